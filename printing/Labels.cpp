#include "printing/Labels.h"

#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/Item.h"
#include "core/LogXML.h"
#include "core/SaveFile.h"
#include "platform/RawPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Labels {

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(Labels)
};

QString title() {
    return Texts::tr("Etiketter");
}

constexpr int kListedSkips = 15;
const QString kSource = QStringLiteral("handlebarcodes");

QString sendFailureText(const RawPrinter::Target& target, const RawPrinter::Result& result) {
    using RawPrinter::Failure;
    QString where;
    switch (target.route) {
    case RawPrinter::Route::CupsQueue:
        where = target.queue;
        break;
    case RawPrinter::Route::Socket:
        where = QStringLiteral("%1:%2").arg(target.host).arg(target.port);
        break;
    default:
        where = target.path;
        break;
    }
    QString text;
    switch (result.failure) {
    case Failure::NoCups:
        text = Texts::tr("Printerkøen \"%1\" kan ikke nås: programmet er bygget uden CUPS.").arg(where);
        break;
    case Failure::UnknownQueue:
        text = Texts::tr("Der findes ingen printerkø ved navn \"%1\".").arg(where);
        break;
    case Failure::Refused:
        text = Texts::tr("Printeren \"%1\" afviste etiketterne.").arg(where);
        break;
    case Failure::ConnectFailed:
        text = Texts::tr("Ingen forbindelse til printeren %1.").arg(where);
        break;
    case Failure::DeviceMissing:
        text = Texts::tr("Enheden %1 findes ikke.").arg(where);
        break;
    case Failure::DeviceNotReady:
        text = Texts::tr("Enheden %1 kan ikke åbnes.").arg(where);
        break;
    case Failure::ShortWrite:
        text = Texts::tr("Printeren %1 tog ikke imod alle etiketter.").arg(where);
        break;
    case Failure::None:
        break;
    }
    if (!result.detail.isEmpty())
        text += QLatin1Char('\n') + result.detail;
    return text;
}

// Fills the labels; false (with the box shown) when the format cannot be read.
bool buildRaw(const std::vector<Entry>& labels, const QString& formatPath, bool withNames, int nameLength,
              QByteArray* bytes, QObject* parent) {
    QString format;
    if (!ReadFormat(formatPath, &format, parent))
        return false;
    *bytes = RawLabels(format, labels, withNames, nameLength);
    return true;
}

} // namespace

QString PaddedNumber(const QString& digits) {
    return digits.rightJustified(6, QLatin1Char('0'));
}

QString PaddedNumber(int number) {
    return PaddedNumber(QString::number(number));
}

SkipReason NumberOfSerial(const QString& serialno, QString* number) {
    const QString serial = serialno.trimmed();
    if (serial.isEmpty())
        return SkipReason::NoSerial;
    for (const QChar c : serial) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return SkipReason::NotNumeric;
    }
    if (number)
        *number = PaddedNumber(serial);
    return SkipReason::None;
}

QString CleanValue(const QString& value, bool zpl) {
    QString clean;
    clean.reserve(value.size());
    for (const QChar c : value) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || c.category() == QChar::Other_Format)
            continue;
        if (zpl && (c == QLatin1Char('^') || c == QLatin1Char('~')))
            clean += QLatin1Char(' ');
        else
            clean += c;
    }
    return clean;
}

bool IsZpl(const QString& format) {
    return format.contains(QLatin1String("^XA"), Qt::CaseInsensitive);
}

QString FillTemplate(const QString& format, const QStringList& values) {
    QString out;
    out.reserve(format.size() + 64);
    const int n = int(format.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('%') && i + 1 < n) {
            const QChar d = format.at(i + 1);
            const bool twoDigits = i + 2 < n && format.at(i + 2).isDigit();
            if (d >= QLatin1Char('1') && d <= QLatin1Char('3') && !twoDigits) {
                const int slot = d.unicode() - '1';
                if (slot < values.size())
                    out += values.at(slot);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString Entry::name() const {
    return item ? item->GetName() : listName;
}

Batch ItemBatch(const std::vector<const Item*>& items, int maxDigits, bool serialText) {
    Batch batch;
    batch.labels.reserve(items.size());
    for (const Item* item : items) {
        Entry entry;
        entry.item = item;
        SkipReason reason;
        if (serialText && NumberOfSerial(item->GetSerialno(), &entry.number) != SkipReason::None) {
            entry.number = CleanValue(item->GetSerialno().trimmed(), false);
            reason = entry.number.isEmpty() ? SkipReason::NoSerial : SkipReason::None;
        } else {
            reason = NumberOfSerial(item->GetSerialno(), &entry.number);
        }
        if (reason == SkipReason::None && maxDigits > 0 && entry.number.size() > maxDigits)
            reason = SkipReason::TooLong;
        if (reason == SkipReason::None)
            batch.labels.push_back(entry);
        else
            batch.skipped.push_back(Skipped{item->GetName(), item->GetSerialno(), reason});
    }
    return batch;
}

std::vector<const Item*> ItemsOfGroup(const DBItemCollection& collection, int group) {
    std::vector<const Item*> items;
    for (const Item* item : collection) {
        if (item->GetGroup() == group)
            items.push_back(item);
    }
    return items;
}

Entry ListEntry(int listKind, int index, const QString& name) {
    Entry entry;
    entry.listKind = listKind;
    entry.number = PaddedNumber(index);
    entry.listName = name;
    return entry;
}

void ReportSkipped(const std::vector<Skipped>& skipped, QObject* parent) {
    if (skipped.empty())
        return;
    QStringList lines;
    for (size_t i = 0; i < skipped.size() && i < size_t(kListedSkips); ++i) {
        const Skipped& s = skipped[i];
        const QString name = s.name.isEmpty() ? Texts::tr("(uden navn)") : s.name;
        QString why;
        switch (s.reason) {
        case SkipReason::NoSerial:
            why = Texts::tr("intet serienummer");
            break;
        case SkipReason::NotNumeric:
            why = Texts::tr("serienummeret \"%1\" er ikke et tal").arg(s.serialno.trimmed());
            break;
        case SkipReason::TooLong:
            why = Texts::tr("serienummeret \"%1\" er for langt til stregkoden").arg(s.serialno.trimmed());
            break;
        case SkipReason::None:
            break;
        }
        lines << QStringLiteral("%1: %2").arg(name, why);
    }
    if (skipped.size() > size_t(kListedSkips))
        lines << Texts::tr("... og %1 flere").arg(skipped.size() - size_t(kListedSkips));
    Dialogs::warning(parent, title(),
                     Texts::tr("Disse emner får ingen etiket, fordi deres serienummer ikke kan bruges som nummer:") +
                         QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
}

QByteArray RawLabels(const QString& format, const std::vector<Entry>& labels, bool withNames, int nameLength) {
    const bool zpl = IsZpl(format);
    QString text;
    text.reserve(qsizetype(labels.size()) * (format.size() + 16));
    for (const Entry& label : labels) {
        const QString number = CleanValue(label.number, zpl);
        const QString name = withNames ? CleanValue(label.name().left(qMax(0, nameLength)), zpl) : number;
        text += FillTemplate(format, {number, name});
    }
    return text.toLatin1();
}

QString LabelFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/Work/BarcodeFile.txt");
}

bool ReadFormat(const QString& path, QString* format, QObject* parent) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Dialogs::critical(
            parent, title(),
            Texts::tr("Etiketformatet %1 findes ikke eller kan ikke læses.\nIntet er sendt til printeren.")
                .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
        return false;
    }
    *format = QString::fromLatin1(file.readAll());
    if (format->trimmed().isEmpty()) {
        Dialogs::critical(parent, title(),
                          Texts::tr("Etiketformatet %1 er tomt.\nIntet er sendt til printeren.")
                              .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
        return false;
    }
    return true;
}

bool PrintRaw(const std::vector<Entry>& labels, const QString& formatPath, bool withNames, int nameLength, LogXML* log,
              QObject* parent) {
    if (labels.empty())
        return false;
    WaitCursor wait;
    QByteArray bytes;
    if (!buildRaw(labels, formatPath, withNames, nameLength, &bytes, parent))
        return false;
    if (log)
        log->WriteItem(formatPath, kSource, QStringLiteral("ExportToBarcodeFile"));

    // The bytes of this print are kept as a record; they are sent from memory, so nothing can read a
    // half-written or an older file.
    const QString labelFile = LabelFilePath();
    QDir().mkpath(QFileInfo(labelFile).absolutePath());
    QString error;
    if (!SaveFile::writeWhole(labelFile, bytes, &error)) {
        Dialogs::critical(parent, title(),
                          Texts::tr("Etiketfilen %1 kan ikke skrives:\n%2\nIntet er sendt til printeren.")
                              .arg(QDir::toNativeSeparators(labelFile), error));
        return false;
    }

    const QString devicePath = QString::fromLatin1(kDeviceFile);
    const QString deviceFull = QDir::toNativeSeparators(QFileInfo(devicePath).absoluteFilePath());
    const QString howTo =
        Texts::tr("Skriv i den navnet på en printerkø, en netværksprinter som socket://192.168.1.50:9100 eller en "
                  "enhed som /dev/usb/lp0.");
    QFile deviceFile(devicePath);
    if (!deviceFile.open(QIODevice::ReadOnly)) {
        Dialogs::critical(parent, title(),
                          Texts::tr("Printerfilen %1 findes ikke.").arg(deviceFull) + QLatin1Char('\n') + howTo);
        return false;
    }
    const QString deviceText = QString::fromLatin1(deviceFile.readAll());
    const RawPrinter::Target target = RawPrinter::ParseDevice(deviceText);
    if (target.route == RawPrinter::Route::None) {
        const QString shown = deviceText.trimmed().left(80);
        Dialogs::critical(parent, title(),
                          (shown.isEmpty() ? Texts::tr("Printerfilen %1 nævner ingen printer.").arg(deviceFull)
                                           : Texts::tr("Printerfilen %1 nævner ingen printer, som kan bruges: \"%2\".")
                                                 .arg(deviceFull, CleanValue(shown, false))) +
                              QLatin1Char('\n') + howTo);
        return false;
    }
    const RawPrinter::Result result =
        RawPrinter::Send(target, bytes, QCoreApplication::applicationName() + QStringLiteral(" labels"));
    if (log)
        log->WriteItem(deviceText.trimmed(), kSource, QStringLiteral("PrintBarcode"));
    if (!result.ok()) {
        QString text = sendFailureText(target, result);
        if (result.failure != RawPrinter::Failure::ShortWrite)
            text += QLatin1Char('\n') + Texts::tr("Etiketterne er ikke udskrevet.");
        Dialogs::critical(parent, title(), text);
        return false;
    }
    Dialogs::statusMessage(Texts::tr("%1 etiketter sendt til printeren").arg(labels.size()));
    return true;
}

bool WriteRaw(const std::vector<Entry>& labels, const QString& formatPath, bool withNames, int nameLength,
              const QString& outPath, QObject* parent) {
    QByteArray bytes;
    if (!buildRaw(labels, formatPath, withNames, nameLength, &bytes, parent))
        return false;
    QString error;
    if (!SaveFile::writeWhole(outPath, bytes, &error)) {
        Dialogs::critical(parent, title(),
                          Texts::tr("Filen %1 kan ikke skrives:\n%2").arg(QDir::toNativeSeparators(outPath), error));
        return false;
    }
    return true;
}

} // namespace Labels
