#include "app/AppSettings.h"

#include "app/Settings.h"

namespace AppSettings {

namespace {
const char* const kSeparatorKey = "Print/printSeparator";
const char* const kSortMethodKey = "Print/sortMethod";

struct BoolKey {
    const char* key;
    bool PrintSettings::*member;
};
struct IntKey {
    const char* key;
    int PrintSettings::*member;
};
// The keys of the filter; the columns' own keys are in the printed columns' table.
const BoolKey kFilterFlags[] = {
    {"Print/printGroupOnly", &PrintSettings::printGroupOnly},
    {"Print/printLocationOnly", &PrintSettings::printLocationOnly},
};
const IntKey kFilterNumbers[] = {
    {"Print/GroupToPrint", &PrintSettings::GroupToPrint},
    {"Print/LocationToPrint", &PrintSettings::LocationToPrint},
};

const QString kOwnerName = QStringLiteral("Insurance/OwnerName");
const QString kOwnerAddress = QStringLiteral("Insurance/OwnerAddress");
const QString kInsurer = QStringLiteral("Insurance/Insurer");
const QString kPolicyNumber = QStringLiteral("Insurance/PolicyNumber");
const QString kByGroup = QStringLiteral("Insurance/ByGroup");
const QString kPhotos = QStringLiteral("Insurance/Photos");
const QString kReceipts = QStringLiteral("Insurance/Receipts");
} // namespace

int StartSerialNumber() {
    return Settings().value(QStringLiteral("Setup/StartSerialNumber"), 0).toInt();
}

PrintSettings Print() {
    const Settings store;
    PrintSettings s;
    for (const PrintedColumn& c : PrintedColumns()) {
        s.*c.flag = store.value(QLatin1String(c.flagKey), s.*c.flag).toBool();
        if (c.length)
            s.*c.length = store.value(QLatin1String(c.lengthKey), s.*c.length).toInt();
    }
    for (const BoolKey& k : kFilterFlags)
        s.*k.member = store.value(QLatin1String(k.key), s.*k.member).toBool();
    for (const IntKey& k : kFilterNumbers)
        s.*k.member = store.value(QLatin1String(k.key), s.*k.member).toInt();
    s.printSeparator = store.value(QLatin1String(kSeparatorKey), s.printSeparator).toString();
    s.sortMethod = store.value(QLatin1String(kSortMethodKey), s.sortMethod).toInt();
    return s;
}

void StorePrint(const PrintSettings& s, bool writeSortMethod) {
    Settings store;
    for (const PrintedColumn& c : PrintedColumns()) {
        store.setValue(QLatin1String(c.flagKey), s.*c.flag);
        if (c.length)
            store.setValue(QLatin1String(c.lengthKey), s.*c.length);
    }
    for (const BoolKey& k : kFilterFlags)
        store.setValue(QLatin1String(k.key), s.*k.member);
    for (const IntKey& k : kFilterNumbers)
        store.setValue(QLatin1String(k.key), s.*k.member);
    store.setValue(QLatin1String(kSeparatorKey), s.printSeparator);
    if (writeSortMethod)
        store.setValue(QLatin1String(kSortMethodKey), s.sortMethod);
}

Labels::NameOptions LabelNames() {
    const Settings settings;
    Labels::NameOptions options;
    options.itemNames = settings.value(QStringLiteral("EnableNameOnLabels"), false).toBool();
    options.itemNameLength = settings.value(QStringLiteral("BarcodeItemNameLabelLength"), 10).toInt();
    options.locationNames = settings.value(QStringLiteral("EnableLocationNameOnLabels"), false).toBool();
    options.locationNameLength = settings.value(QStringLiteral("BarcodeLocationNameLabeLength"), 10).toInt();
    return options;
}

std::vector<LabelProfile> LabelProfileList() {
    Settings settings;
    const int count = settings.beginReadArray(QStringLiteral("Labels/Profiles"));
    std::vector<LabelProfile> profiles;
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        LabelProfile p;
        p.id = settings.value(QStringLiteral("id")).toString();
        p.name = settings.value(QStringLiteral("name")).toString();
        p.route = settings.value(QStringLiteral("route"), p.route).toInt() == LabelProfile::TemplateRoute
                      ? LabelProfile::TemplateRoute
                      : LabelProfile::DrawnRoute;
        p.widthMm = settings.value(QStringLiteral("widthMm"), p.widthMm).toDouble();
        p.heightMm = settings.value(QStringLiteral("heightMm"), p.heightMm).toDouble();
        p.sheet = settings.value(QStringLiteral("sheet"), p.sheet).toBool();
        p.rows = settings.value(QStringLiteral("rows"), p.rows).toInt();
        p.columns = settings.value(QStringLiteral("columns"), p.columns).toInt();
        p.pageWidthMm = settings.value(QStringLiteral("pageWidthMm"), p.pageWidthMm).toDouble();
        p.pageHeightMm = settings.value(QStringLiteral("pageHeightMm"), p.pageHeightMm).toDouble();
        p.marginLeftMm = settings.value(QStringLiteral("marginLeftMm"), p.marginLeftMm).toDouble();
        p.marginTopMm = settings.value(QStringLiteral("marginTopMm"), p.marginTopMm).toDouble();
        p.gapXMm = settings.value(QStringLiteral("gapXMm"), p.gapXMm).toDouble();
        p.gapYMm = settings.value(QStringLiteral("gapYMm"), p.gapYMm).toDouble();
        p.usedLabels = settings.value(QStringLiteral("usedLabels"), p.usedLabels).toInt();
        const QString fields = settings.value(QStringLiteral("fields")).toString();
        p.fields = fields.isEmpty() ? QStringList() : fields.split(QLatin1Char(','));
        p.fontPt = settings.value(QStringLiteral("fontPt"), p.fontPt).toDouble();
        p.symbology = qBound(0, settings.value(QStringLiteral("symbology"), p.symbology).toInt(), 3);
        p.content = qBound(0, settings.value(QStringLiteral("content"), p.content).toInt(), 1);
        if (!p.name.isEmpty())
            profiles.push_back(p);
    }
    settings.endArray();
    if (profiles.empty())
        profiles = LabelProfiles::BuiltIn();
    return profiles;
}

void StoreLabelProfiles(const std::vector<LabelProfile>& profiles) {
    Settings settings;
    settings.remove(QStringLiteral("Labels/Profiles"));
    settings.beginWriteArray(QStringLiteral("Labels/Profiles"), int(profiles.size()));
    for (int i = 0; i < int(profiles.size()); ++i) {
        const LabelProfile& p = profiles[size_t(i)];
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("id"), p.id);
        settings.setValue(QStringLiteral("name"), p.name);
        settings.setValue(QStringLiteral("route"), p.route);
        settings.setValue(QStringLiteral("widthMm"), p.widthMm);
        settings.setValue(QStringLiteral("heightMm"), p.heightMm);
        settings.setValue(QStringLiteral("sheet"), p.sheet);
        settings.setValue(QStringLiteral("rows"), p.rows);
        settings.setValue(QStringLiteral("columns"), p.columns);
        settings.setValue(QStringLiteral("pageWidthMm"), p.pageWidthMm);
        settings.setValue(QStringLiteral("pageHeightMm"), p.pageHeightMm);
        settings.setValue(QStringLiteral("marginLeftMm"), p.marginLeftMm);
        settings.setValue(QStringLiteral("marginTopMm"), p.marginTopMm);
        settings.setValue(QStringLiteral("gapXMm"), p.gapXMm);
        settings.setValue(QStringLiteral("gapYMm"), p.gapYMm);
        settings.setValue(QStringLiteral("usedLabels"), p.usedLabels);
        settings.setValue(QStringLiteral("fields"), p.fields.join(QLatin1Char(',')));
        settings.setValue(QStringLiteral("fontPt"), p.fontPt);
        settings.setValue(QStringLiteral("symbology"), p.symbology);
        settings.setValue(QStringLiteral("content"), p.content);
    }
    settings.endArray();
}

QString CurrentLabelProfileName() {
    return Settings().value(QStringLiteral("Labels/CurrentProfile")).toString();
}

void StoreCurrentLabelProfileName(const QString& name) {
    Settings().setValue(QStringLiteral("Labels/CurrentProfile"), name);
}

LabelProfile CurrentLabelProfile() {
    const std::vector<LabelProfile> profiles = LabelProfileList();
    LabelProfile profile;
    if (LabelProfiles::Find(profiles, CurrentLabelProfileName(), &profile))
        return profile;
    return profiles.front();
}

InsuranceOptions Insurance() {
    const Settings settings;
    InsuranceOptions options;
    options.ownerName = settings.value(kOwnerName).toString();
    options.ownerAddress = settings.value(kOwnerAddress).toString();
    options.insurer = settings.value(kInsurer).toString();
    options.policyNumber = settings.value(kPolicyNumber).toString();
    options.order = settings.value(kByGroup, false).toBool() ? InsuranceOptions::ByGroup : InsuranceOptions::ByLocation;
    options.photos = settings.value(kPhotos, true).toBool();
    options.receipts = settings.value(kReceipts, true).toBool();
    return options;
}

void StoreInsurance(const InsuranceOptions& options) {
    Settings settings;
    settings.setValue(kOwnerName, options.ownerName);
    settings.setValue(kOwnerAddress, options.ownerAddress);
    settings.setValue(kInsurer, options.insurer);
    settings.setValue(kPolicyNumber, options.policyNumber);
    settings.setValue(kByGroup, options.order == InsuranceOptions::ByGroup);
    settings.setValue(kPhotos, options.photos);
    settings.setValue(kReceipts, options.receipts);
}

} // namespace AppSettings
