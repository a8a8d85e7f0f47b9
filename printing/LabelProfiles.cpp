#include "printing/LabelProfiles.h"

#include "app/Edition.h"
#include "core/ColumnNames.h"

#include <QCoreApplication>

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(LabelProfiles)
};

LabelProfile printerProfile() {
    LabelProfile p;
    p.id = QStringLiteral("printer");
    p.name = Texts::tr("Etiketprinter (printerens eget sprog)");
    p.route = LabelProfile::TemplateRoute;
    p.fields = QStringList{QLatin1String(LabelFields::Name), QLatin1String(LabelFields::Number)};
    return p;
}

LabelProfile shelfProfile() {
    LabelProfile p;
    p.id = QStringLiteral("shelf");
    p.name = Texts::tr("Hyldeetiket 50 x 25 mm, Code 128");
    p.fields = QStringList{QLatin1String(LabelFields::Name), QLatin1String(LabelFields::Number)};
    p.fontPt = 8.0;
    return p;
}

LabelProfile sheetProfile() {
    LabelProfile p;
    p.id = QStringLiteral("sheet");
    p.name = Texts::tr("A4-ark 3 x 8 (70 x 37 mm), Code 128");
    p.widthMm = 70.0;
    p.heightMm = 37.0;
    p.sheet = true;
    p.rows = 8;
    p.columns = 3;
    p.marginTopMm = 0.5;
    p.fields = QStringList{QLatin1String(LabelFields::Name), QLatin1String(LabelFields::Product),
                           QLatin1String(LabelFields::Number)};
    p.fontPt = 9.0;
    return p;
}

LabelProfile tapeProfile() {
    LabelProfile p;
    p.id = QStringLiteral("tape");
    p.name = Texts::tr("Smal tape 24 x 12 mm, DataMatrix");
    p.widthMm = 24.0;
    p.heightMm = 12.0;
    p.symbology = LabelProfile::DataMatrix;
    p.fields = QStringList{QLatin1String(LabelFields::Number)};
    p.fontPt = 6.0;
    return p;
}

LabelProfile coinProfile() {
    LabelProfile p;
    p.id = QStringLiteral("coin");
    p.name = Texts::tr("Møntholder 2 x 2 tommer, QR");
    p.widthMm = 50.8;
    p.heightMm = 50.8;
    p.symbology = LabelProfile::QrCode;
    p.content = LabelProfile::SerialTextContent;
    p.fields = QStringList{QLatin1String(LabelFields::Name), QLatin1String(LabelFields::Location),
                           QLatin1String(LabelFields::Product), QLatin1String(LabelFields::Address),
                           QLatin1String(LabelFields::Catalogue)};
    p.fontPt = 8.0;
    return p;
}

} // namespace

QString LabelProfile::Problem() const {
    if (widthMm < 5.0 || heightMm < 5.0 || widthMm > 1000.0 || heightMm > 1000.0)
        return Texts::tr("Etiketten skal være mellem 5 og 1000 mm bred og høj.");
    if (fontPt < 3.0 || fontPt > 72.0)
        return Texts::tr("Skriftens størrelse skal være mellem 3 og 72 punkter.");
    if (sheet) {
        if (rows < 1 || columns < 1 || rows > 100 || columns > 100)
            return Texts::tr("Et ark skal have mellem 1 og 100 rækker og kolonner.");
        const double right = marginLeftMm + columns * widthMm + (columns - 1) * gapXMm;
        const double bottom = marginTopMm + rows * heightMm + (rows - 1) * gapYMm;
        if (marginLeftMm < 0 || marginTopMm < 0 || gapXMm < 0 || gapYMm < 0 || right > pageWidthMm + 0.01 ||
            bottom > pageHeightMm + 0.01)
            return Texts::tr("Etiketterne fylder mere end arket.");
    }
    return QString();
}

SheetSlot SlotOf(const LabelProfile& profile, int index) {
    const int perPage = profile.LabelsPerPage();
    const int position = profile.UsedLabels() + index;
    const int columns = profile.sheet ? qMax(1, profile.columns) : 1;
    SheetSlot slot;
    slot.page = position / perPage;
    slot.row = (position % perPage) / columns;
    slot.column = (position % perPage) % columns;
    return slot;
}

namespace LabelFields {

QStringList All() {
    return QStringList{QLatin1String(Number),      QLatin1String(Name),        QLatin1String(Product),
                       QLatin1String(ProductType), QLatin1String(Group),       QLatin1String(Location),
                       QLatin1String(Supplier),    QLatin1String(Serialno),    QLatin1String(Catalogue),
                       QLatin1String(Address),     QLatin1String(Description), QLatin1String(Price),
                       QLatin1String(PriceToday)};
}

QString Caption(const QString& key) {
    using namespace ColumnNames;
    if (key == QLatin1String(Number))
        return Texts::tr("Nummer");
    if (key == QLatin1String(Name))
        return Title(ColumnNames::Name);
    if (key == QLatin1String(Product))
        return Title(ColumnNames::Product);
    if (key == QLatin1String(ProductType))
        return Title(ColumnNames::ProductType);
    if (key == QLatin1String(Group))
        return Title(ColumnNames::Group);
    if (key == QLatin1String(Location))
        return Title(ColumnNames::Location);
    if (key == QLatin1String(Supplier))
        return Title(ColumnNames::Supplier);
    if (key == QLatin1String(Serialno))
        return Title(ColumnNames::Serialno);
    if (key == QLatin1String(Catalogue))
        return Title(ColumnNames::Supplier) + QStringLiteral(" + ") + Title(ColumnNames::Serialno);
    if (key == QLatin1String(Address))
        return Title(ColumnNames::Address);
    if (key == QLatin1String(Description))
        return Title(ColumnNames::Description);
    if (key == QLatin1String(Price))
        return Title(ColumnNames::Price);
    if (key == QLatin1String(PriceToday))
        return Title(ColumnNames::PriceToday);
    return key;
}

} // namespace LabelFields

namespace LabelProfiles {

std::vector<LabelProfile> BuiltIn() {
    if (IsBrevane())
        return {printerProfile(), shelfProfile(), sheetProfile(), tapeProfile()};
    if (IsOstrel())
        return {coinProfile(), sheetProfile(), shelfProfile(), tapeProfile(), printerProfile()};
    return {shelfProfile(), sheetProfile(), tapeProfile(), printerProfile()};
}

bool Find(const std::vector<LabelProfile>& profiles, const QString& nameOrId, LabelProfile* profile) {
    for (const LabelProfile& p : profiles) {
        if (p.name.compare(nameOrId, Qt::CaseInsensitive) == 0 ||
            (!p.id.isEmpty() && p.id.compare(nameOrId, Qt::CaseInsensitive) == 0)) {
            *profile = p;
            return true;
        }
    }
    return false;
}

} // namespace LabelProfiles
