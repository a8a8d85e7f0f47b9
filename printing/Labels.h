#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class DBItemCollection;
class Item;
class LogXML;
class QObject;

// The rules of barcode labels, without a window: the label number, which items get a label and why the
// others do not, the filling of a printer-language template, and the sending of the label bytes.
namespace Labels {

// Relative to the working directory, the installation directory.
inline constexpr const char* kItemFormatFile = "Setup/BarcodeFormatFile.txt";
inline constexpr const char* kLocationFormatFile = "Setup/BarcodeFormatLocationFile.txt";
inline constexpr const char* kDeviceFile = "Setup/PrinterDevice.txt";

// Six decimal digits, padded on the left with "0"; longer numbers are kept whole.
QString PaddedNumber(const QString& digits);
QString PaddedNumber(int number);

enum class SkipReason { None, NoSerial, NotNumeric, TooLong };

// The label number of an item: its serial number (blanks around it dropped) padded to six digits.
// An empty or non-numeric serial number gives no number: such an item would get "000000" or a junk code.
SkipReason NumberOfSerial(const QString& serialno, QString* number);

// A value put into a label loses CR, LF and every other control character, so it cannot end the label's
// commands early; in ZPL (zpl true) "^" and "~", which start commands, become blanks.
QString CleanValue(const QString& value, bool zpl);
// A template is ZPL when it holds "^XA".
bool IsZpl(const QString& format);
// Fills %1, %2 and %3 in one pass: a value holding "%1" is never substituted again. A placeholder without
// a value becomes empty; two-digit placeholders and other "%" are left as they are.
QString FillTemplate(const QString& format, const QStringList& values);

// The four read-only settings of the printer-language route.
struct NameOptions {
    bool itemNames = false;
    int itemNameLength = 10;
    bool locationNames = false;
    int locationNameLength = 10;
};

// One label: its number and the thing it belongs to (an item, or an entry of the group or location list).
struct Entry {
    QString number;
    const Item* item = nullptr;
    int listKind = 0; // 1 groups, 2 locations, 0 an item's label
    QString listName;
    QString name() const;
};

struct Skipped {
    QString name;
    QString serialno;
    SkipReason reason = SkipReason::None;
};

struct Batch {
    std::vector<Entry> labels;
    std::vector<Skipped> skipped;
};

// The labels of these items in this order; items without a usable number are listed as skipped.
// maxDigits limits the number's length (EAN-13 carries twelve digits); 0 for no limit. With serialText the
// label carries a serial number that is no number as written (a catalogue number such as "14.1"), and only
// an empty one is skipped.
Batch ItemBatch(const std::vector<const Item*>& items, int maxDigits = 0, bool serialText = false);
// The items of a group, in collection order: the group row's own number, never a name lookup, so two
// groups of the same name stay apart.
std::vector<const Item*> ItemsOfGroup(const DBItemCollection& collection, int group);
// The label of an entry of the group list (kind 1) or the location list (kind 2): its position is its number.
Entry ListEntry(int listKind, int index, const QString& name);

// The one box listing the skipped items (nothing when none was skipped).
void ReportSkipped(const std::vector<Skipped>& skipped, QObject* parent);

// The bytes of the printer-language route: the template filled once per label, one after another.
// %1 the number, %2 the name cut to its length (or the number again when names are off).
QByteArray RawLabels(const QString& format, const std::vector<Entry>& labels, bool withNames, int nameLength);

// The file that keeps the bytes of the last print: the per-user data folder, "Work", "BarcodeFile.txt".
QString LabelFilePath();

// Reads a format file as Latin-1; a box names the file when it is missing, unreadable or empty.
bool ReadFormat(const QString& path, QString* format, QObject* parent);

// The printer-language route: reads the format, fills it for every label, keeps the bytes in the label
// file (through the save routine, as a record of the last print), reads the device file and sends the
// bytes. Every failure gets a box naming it; true only when the printer took every byte.
bool PrintRaw(const std::vector<Entry>& labels, const QString& formatPath, bool withNames, int nameLength, LogXML* log,
              QObject* parent);
// The same bytes written to a file instead of a printer (the bench).
bool WriteRaw(const std::vector<Entry>& labels, const QString& formatPath, bool withNames, int nameLength,
              const QString& outPath, QObject* parent);

} // namespace Labels
