#include "app/AppNames.h"
#include "app/AppSettings.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"
#include "output/LabelPrinting.h"
#include "output/LabelSetupDialog.h"
#include "platform/RawPrinter.h"
#include "printing/LabelDrawing.h"
#include "printing/LabelProfiles.h"
#include "printing/Labels.h"
#include "setup/setupdialog.h"
#include "tests/TestSupport.h"
#include "ui_setupdialogBase.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Records the calls of a raw CUPS job; the step named by failAt fails.
class RecordingCups : public RawPrinter::CupsBackend {
public:
    RecordingCups() { RawPrinter::SetCupsBackend(this); }
    ~RecordingCups() override { RawPrinter::SetCupsBackend(nullptr); }
    bool step(const char* name, const QString& call) {
        calls << call;
        return failAt != QLatin1String(name);
    }
    bool queueExists(const QString& queue) override { return step("exists", "exists " + queue); }
    int createJob(const QString& queue, const QString&) override { return step("create", "create " + queue) ? 17 : 0; }
    bool startDocument(const QString& queue, int job, const QString&, const char* format, bool last) override {
        return step("start",
                    QStringLiteral("start %1 %2 %3 %4").arg(queue).arg(job).arg(QLatin1String(format)).arg(last));
    }
    bool writeData(const QByteArray& bytes) override {
        data += bytes;
        return step("write", QStringLiteral("write %1").arg(bytes.size()));
    }
    bool finishDocument(const QString& queue) override { return step("finish", "finish " + queue); }
    void cancelJob(const QString& queue, int job) override {
        calls << QStringLiteral("cancel %1 %2").arg(queue).arg(job);
    }
    QString lastError() override { return QStringLiteral("cups says no"); }

    QString failAt;
    QStringList calls;
    QByteArray data;
};

Item* makeItem(int group, const QString& name, const QString& serial) {
    auto* item = new Item;
    item->SetGroup(group);
    item->SetName(name);
    item->SetSerialno(serial);
    return item;
}

// The first page of a PDF as a PNG beside it (pdftoppm); empty when that failed.
QString renderFirstPage(const QString& pdf, int dpi) {
    const QString stem = pdf + QStringLiteral("-page");
    const QStringList args{"-r", QString::number(dpi), "-png", "-singlefile", "-f", "1", "-l", "1", pdf, stem};
    return QProcess::execute(QStringLiteral("pdftoppm"), args) == 0 ? stem + QStringLiteral(".png") : QString();
}

// The barcode read back from the first page of a PDF with ZXingReader.
QString decodePdf(const QString& pdf, const QString& format) {
    QProcess read;
    read.start(QStringLiteral("ZXingReader"), {"-format", format, "-bytes", renderFirstPage(pdf, 300)});
    read.waitForFinished(30000);
    return QString::fromLatin1(read.readAllStandardOutput()).trimmed();
}

// All a printer listening on `server` receives over its first connection.
QByteArray received(QTcpServer& server, int wait) {
    QByteArray got;
    if (!server.waitForNewConnection(wait))
        return got;
    QTcpSocket* peer = server.nextPendingConnection();
    while (peer->waitForReadyRead(5000) || peer->bytesAvailable())
        got += peer->readAll();
    return got;
}

void selectRow(ItemListView* view, const QModelIndex& row) {
    view->setCurrentIndex(row);
    view->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

class tst_Labels : public QObject {
    Q_OBJECT

    QTemporaryDir* m_dir = nullptr;
    QString m_previousDir;
    DBItemCollection* m_collection = nullptr;

    void writeSetup(const QByteArray& format, const QByteArray& device) {
        if (!format.isNull())
            QVERIFY(TestSupport::writeAll(QStringLiteral("Setup/BarcodeFormatFile.txt"), format));
        if (!device.isNull())
            QVERIFY(TestSupport::writeAll(QStringLiteral("Setup/PrinterDevice.txt"), device));
    }

    // An empty file in the test folder stands for the printer.
    QString deviceFile(const QByteArray& format) {
        const QString device = m_dir->filePath(QStringLiteral("device"));
        TestSupport::writeAll(device, QByteArray());
        writeSetup(format, device.toLatin1());
        return device;
    }

    // The batch drawn into a PDF in the test folder.
    QString writePdf(const char* name, const LabelProfile& profile, const Labels::Batch& batch) {
        const QString pdf = m_dir->filePath(QLatin1String(name));
        QString error;
        if (!LabelDrawing::WritePdf(pdf, profile, LabelDrawing::Contents(batch.labels, profile, m_collection), &error))
            QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return pdf;
    }

    bool print(const std::vector<const Item*>& items) {
        AppSettings::StoreCurrentLabelProfileName(QStringLiteral("printer"));
        return PrintItemLabels(m_collection, items, nullptr, nullptr);
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings(QStringLiteral("Brevane"));
        SetEdition(Brevane);
    }

    void init() {
        TestSupport::clearSettings();
        SetEdition(Brevane);
        m_dir = new QTemporaryDir;
        QDir(m_dir->path()).mkpath(QStringLiteral("Setup"));
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir->path());
        m_collection = new DBItemCollection(nullptr);
        QFile::remove(Labels::LabelFilePath());
    }

    void cleanup() {
        QDir::setCurrent(m_previousDir);
        delete m_collection;
        delete m_dir;
    }

    void number_data() {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("number");
        QTest::newRow("padded") << "42" << int(Labels::SkipReason::None) << "000042";
        QTest::newRow("seven digits kept whole") << "1234567" << int(Labels::SkipReason::None) << "1234567";
        QTest::newRow("leading zeros") << "0042" << int(Labels::SkipReason::None) << "000042";
        QTest::newRow("blanks around") << " 1001 " << int(Labels::SkipReason::None) << "001001";
        QTest::newRow("empty") << "" << int(Labels::SkipReason::NoSerial) << "";
        QTest::newRow("letters") << "A-17" << int(Labels::SkipReason::NotNumeric) << "";
        QTest::newRow("negative") << "-5" << int(Labels::SkipReason::NotNumeric) << "";
    }

    void number() {
        QFETCH(QString, serial);
        QFETCH(int, reason);
        QFETCH(QString, number);
        QString got;
        QCOMPARE(int(Labels::NumberOfSerial(serial, &got)), reason);
        QCOMPARE(got, number);
    }

    void templateFill_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("withNames");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expected");
        const QString name = QStringLiteral("Boremaskine");
        QTest::newRow("number and name") << "[%1|%2]" << name << true << 20 << "[000042|Boremaskine]";
        QTest::newRow("names off print the number again") << "[%1|%2]" << name << false << 20 << "[000042|000042]";
        QTest::newRow("name cut to its length") << "[%2]" << name << true << 4 << "[Bore]";
        QTest::newRow("placeholders in a name stay")
            << "[%1|%2]" << QStringLiteral("50%2 %1 rabat") << true << 20 << "[000042|50%2 %1 rabat]";
        QTest::newRow("third value empty, others left")
            << "%3%4%10%%" << QStringLiteral("x") << true << 20 << "%4%10%%";
        QTest::newRow("line breaks and controls dropped")
            << "^XA^FD%2^FS" << QStringLiteral("A\r\n^XZ~JR\tB") << true << 30 << "^XA^FDA XZ JRB^FS";
        QTest::newRow("not ZPL keeps carets") << "<%2>" << QStringLiteral("a^b~c\n") << true << 30 << "<a^b~c>";
    }

    void templateFill() {
        QFETCH(QString, format);
        QFETCH(QString, name);
        QFETCH(bool, withNames);
        QFETCH(int, length);
        QFETCH(QString, expected);
        Item item;
        item.SetName(name);
        Labels::Entry entry;
        entry.item = &item;
        entry.number = QStringLiteral("000042");
        QCOMPARE(QString::fromLatin1(Labels::RawLabels(format, {entry}, withNames, length)), expected);
    }

    void skippedItemsGetOneBoxAndTheRestPrint() {
        TestDialogs dialogs;
        const QString device = deviceFile("<%1>");
        QVERIFY(TestSupport::writeAll(device, "old content that is longer")); // a plain file holds just the labels
        for (const auto& [name, serial] : {std::pair{"Hammer", "7"}, {"Tang", ""}, {"Skruer", "A-17"}, {"Save", "12"}})
            m_collection->Add(makeItem(0, QString::fromUtf8(name), QString::fromUtf8(serial)));
        dialogs.answer(0);
        QVERIFY(print(Labels::ItemsOfGroup(*m_collection, 0)));
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY(dialogs.lastText().contains(QStringLiteral("Tang")));
        QVERIFY(dialogs.lastText().contains(QStringLiteral("A-17")));
        QVERIFY(!dialogs.lastText().contains(QStringLiteral("Hammer")));
        QCOMPARE(TestSupport::readAll(device), QByteArray("<000007><000012>"));
        // The label file keeps what was sent, replaced (not appended to) by the next print.
        QCOMPARE(TestSupport::readAll(Labels::LabelFilePath()), QByteArray("<000007><000012>"));
        QVERIFY(print({m_collection->At(3)}));
        QCOMPARE(TestSupport::readAll(Labels::LabelFilePath()), QByteArray("<000012>"));
    }

    // Two groups of one name: a group row prints its own number's items.
    void groupLabelsUseTheRowsOwnNumber() {
        m_collection->Groups().SetEntries({QStringLiteral("Reol"), QStringLiteral("Reol")});
        for (int i = 0; i < 3; ++i)
            m_collection->Add(makeItem(i > 0, QString(QLatin1Char('a' + i)), QString::number(i + 1)));
        const std::vector<const Item*> second = Labels::ItemsOfGroup(*m_collection, 1);
        QCOMPARE(second.size(), size_t(2));
        QCOMPARE(second[0]->GetName(), QStringLiteral("b"));
        QVERIFY(Labels::ItemsOfGroup(*m_collection, 5).empty());
    }

    void parseDevice_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("route");
        QTest::addColumn<QString>("where");
        using R = RawPrinter::Route;
        QTest::newRow("queue") << "Zebra_ZD421\r\n" << int(R::CupsQueue) << "Zebra_ZD421";
        QTest::newRow("socket url") << "socket://192.168.1.50:9100" << int(R::Socket) << "192.168.1.50:9100";
        QTest::newRow("socket default port") << "socket://printer.local" << int(R::Socket) << "printer.local:9100";
        QTest::newRow("host and port") << "10.0.0.5:9100" << int(R::Socket) << "10.0.0.5:9100";
        QTest::newRow("device") << "/dev/usb/lp0\n" << int(R::Device) << "/dev/usb/lp0";
        QTest::newRow("shell and") << "lp0 & rm -rf ~" << int(R::None) << "";
        QTest::newRow("pipe") << "Zebra|calc" << int(R::None) << "";
        QTest::newRow("two lines") << "Zebra\nother" << int(R::None) << "";
        QTest::newRow("blank inside") << "My Printer" << int(R::None) << "";
        QTest::newRow("empty") << "  \r\n" << int(R::None) << "";
        QTest::newRow("port too big") << "host:99999" << int(R::None) << "";
    }

    void parseDevice() {
        QFETCH(QString, text);
        QFETCH(int, route);
        QFETCH(QString, where);
        const RawPrinter::Target target = RawPrinter::ParseDevice(text);
        QCOMPARE(int(target.route), route);
        QString got;
        if (target.route == RawPrinter::Route::CupsQueue)
            got = target.queue;
        else if (target.route == RawPrinter::Route::Socket)
            got = QStringLiteral("%1:%2").arg(target.host).arg(target.port);
        else if (target.route == RawPrinter::Route::Device)
            got = target.path;
        QCOMPARE(got, where);
    }

    void sendsOverTcp() {
        TestDialogs dialogs;
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        writeSetup("^XA^FD%1^FS^XZ\r\n",
                   QStringLiteral("socket://127.0.0.1:%1\r\n").arg(server.serverPort()).toLatin1());
        m_collection->Add(makeItem(0, QStringLiteral("a"), QStringLiteral("1")));
        m_collection->Add(makeItem(0, QStringLiteral("b"), QStringLiteral("22")));
        QVERIFY(print(Labels::ItemsOfGroup(*m_collection, 0)));
        QCOMPARE(received(server, 5000), QByteArray("^XA^FD000001^FS^XZ\r\n^XA^FD000022^FS^XZ\r\n"));
    }

    void sendsToFifo() {
#ifdef Q_OS_UNIX
        TestDialogs dialogs;
        m_collection->Add(makeItem(0, QStringLiteral("a"), QStringLiteral("5")));
        // A FIFO with a reader gets the bytes; without a reader the print fails at once instead of hanging.
        const QString fifo = m_dir->filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        writeSetup("L%1;", fifo.toLatin1());
        dialogs.answer(0);
        QVERIFY(!print({m_collection->At(0)}));
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY(dialogs.lastText().contains(fifo));
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        QVERIFY(print({m_collection->At(0)}));
        char buffer[64] = {};
        const ssize_t n = ::read(reader, buffer, sizeof buffer);
        ::close(reader);
        QCOMPARE(QByteArray(buffer, int(n)), QByteArray("L000005;"));
#endif
    }

    void cupsJobIsRecorded_data() {
        QTest::addColumn<QString>("failAt");
        QTest::addColumn<QStringList>("calls");
        const QString start = QStringLiteral("start Zebra 17 application/vnd.cups-raw 1");
        QTest::newRow("sent") << "" << QStringList{"exists Zebra", "create Zebra", start, "write 8", "finish Zebra"};
        QTest::newRow("no queue") << "exists" << QStringList{"exists Zebra"};
        QTest::newRow("job refused") << "create" << QStringList{"exists Zebra", "create Zebra"};
        QTest::newRow("document refused")
            << "start" << QStringList{"exists Zebra", "create Zebra", start, "cancel Zebra 17"};
        QTest::newRow("write fails") << "write" << QStringList{"exists Zebra", "create Zebra", start,
                                                               "write 8",      "finish Zebra", "cancel Zebra 17"};
        QTest::newRow("finish fails") << "finish"
                                      << QStringList{"exists Zebra", "create Zebra", start, "write 8", "finish Zebra"};
    }

    void cupsJobIsRecorded() {
        QFETCH(QString, failAt);
        QFETCH(QStringList, calls);
        TestDialogs dialogs;
        RecordingCups cups;
        cups.failAt = failAt;
        writeSetup("L%1;", "Zebra\n");
        m_collection->Add(makeItem(0, QStringLiteral("a"), QStringLiteral("5")));
        if (!failAt.isEmpty())
            dialogs.answer(0);
        QCOMPARE(print({m_collection->At(0)}), failAt.isEmpty());
        QCOMPARE(cups.calls, calls);
        if (failAt.isEmpty()) {
            QCOMPARE(cups.data, QByteArray("L000005;"));
        } else {
            QCOMPARE(dialogs.boxes.size(), 1);
            QVERIFY(dialogs.lastText().contains(QStringLiteral("Zebra")));
            QVERIFY(dialogs.lastText().contains(QStringLiteral("cups says no")));
        }
    }

    void realCupsQueue() {
        if (!TestSupport::haveProgram("cupsd") || !TestSupport::haveProgram("lpadmin"))
            QSKIP("No CUPS server on this machine (cupsd not found): the CUPS route is covered by the recorded job");
        // A raw queue of our own that prints to a local listener, so no paper is used.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        const QString queue = QStringLiteral("vestrum_test_%1").arg(QCoreApplication::applicationPid());
        QProcess admin;
        admin.start(
            QStringLiteral("lpadmin"),
            {"-p", queue, "-E", "-v", QStringLiteral("socket://127.0.0.1:%1").arg(server.serverPort()), "-m", "raw"});
        if (!admin.waitForFinished(20000) || admin.exitCode() != 0)
            QSKIP(qPrintable(QStringLiteral("CUPS refused a test queue: %1")
                                 .arg(QString::fromLocal8Bit(admin.readAllStandardError()).trimmed())));
        TestDialogs dialogs;
        writeSetup("L%1;", queue.toLatin1());
        m_collection->Add(makeItem(0, QStringLiteral("a"), QStringLiteral("5")));
        const bool printed = print({m_collection->At(0)});
        const QByteArray got = printed ? received(server, 30000) : QByteArray();
        QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
        QVERIFY2(printed, qPrintable(dialogs.lastText()));
        QCOMPARE(got, QByteArray("L000005;"));
    }

    // Every failure gets one critical box naming what to mend, and nothing is reported as sent.
    void failuresAreBoxed_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<QString>("inText");
        const QByteArray format("L%1;");
        const QByteArray null("/dev/null");
        QTest::newRow("no format file") << QByteArray() << null << "BarcodeFormatFile.txt";
        QTest::newRow("empty format file") << QByteArray(" \r\n") << null << "BarcodeFormatFile.txt";
        QTest::newRow("no device file") << format << QByteArray() << "PrinterDevice.txt";
        QTest::newRow("empty device file") << format << QByteArray("\r\n") << "PrinterDevice.txt";
        QTest::newRow("unknown device") << format << QByteArray("lp0 & calc") << "lp0 & calc";
        QTest::newRow("missing device path") << format << QByteArray("/nonexistent/lp9") << "/nonexistent/lp9";
        QTest::newRow("printer not answering") << format << QByteArray("refused") << "127.0.0.1";
        QTest::newRow("short write") << format << QByteArray("/dev/full") << "/dev/full";
        QTest::newRow("label file not writable") << format << null << "BarcodeFile.txt";
    }

    void failuresAreBoxed() {
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, device);
        QFETCH(QString, inText);
        if (device == "/dev/full" && !QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        TestDialogs dialogs;
        RecordingCups cups;
        cups.failAt = QStringLiteral("exists"); // no CUPS queue of any name
        if (device == "refused") {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            device = "127.0.0.1:" + QByteArray::number(probe.serverPort());
        } // nothing listens there now
        const bool labelFile = inText == QLatin1String("BarcodeFile.txt");
        if (labelFile) // a folder where the label file should be: it cannot be written
            QVERIFY(QDir().mkpath(Labels::LabelFilePath()));
        writeSetup(format, device);
        m_collection->Add(makeItem(0, QStringLiteral("a"), QStringLiteral("5")));
        dialogs.answer(0);
        const bool printed = print({m_collection->At(0)});
        if (labelFile)
            QDir(Labels::LabelFilePath()).removeRecursively();
        QVERIFY(!printed);
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes.first().icon, MessageBoxRequest::Critical);
        QVERIFY(dialogs.lastText().contains(inText));
        QVERIFY(dialogs.status.isEmpty());
    }

    void listLabels() {
        TestDialogs dialogs;
        const QString device = deviceFile(QByteArray());
        QVERIFY(TestSupport::writeAll(QString::fromLatin1(Labels::kLocationFormatFile), "<%1|%2>"));
        {
            Settings settings;
            settings.setValue(QStringLiteral("EnableLocationNameOnLabels"), true);
            settings.setValue(QStringLiteral("BarcodeLocationNameLabeLength"), 6);
        }
        AppSettings::StoreCurrentLabelProfileName(QStringLiteral("printer"));
        m_collection->Groups().SetEntries({QStringLiteral("Lager 1"), QStringLiteral("Lager 2 - reol")});
        m_collection->Locations().SetEntries({QStringLiteral("Kontor"), QString(), QStringLiteral("Butik")});
        m_collection->Suppliers().SetEntries({QStringLiteral("Solar")});

        QVERIFY(PrintListLabels(m_collection, userItemCollection::GroupsList, 1, nullptr));
        QCOMPARE(TestSupport::readAll(device), QByteArray("<000001|Lager >"));
        QVERIFY(PrintListLabels(m_collection, userItemCollection::LocationsList, 2, nullptr));
        QCOMPARE(TestSupport::readAll(device), QByteArray("<000002|Butik>"));

        // Suppliers have no labels; an unnamed entry is refused. Neither sends anything.
        QVERIFY(TestSupport::writeAll(device, QByteArray()));
        dialogs.answer(0);
        QVERIFY(!PrintListLabels(m_collection, userItemCollection::OtherList, 0, nullptr));
        dialogs.answer(0);
        QVERIFY(!PrintListLabels(m_collection, userItemCollection::LocationsList, 1, nullptr));
        QCOMPARE(dialogs.boxes.size(), 2);
        QCOMPARE(dialogs.boxes.last().title, QStringLiteral("SETUP_ERROR"));
        QVERIFY(TestSupport::readAll(device).isEmpty());
    }

    void drawnCodesScan_data() {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const QString number = QStringLiteral("000042");
        QTest::newRow("Code 128") << int(LabelProfile::Code128) << "Code128" << number;
        // EAN-13 carries the number in twelve digits and a check digit.
        QTest::newRow("EAN-13") << int(LabelProfile::Ean13) << "EAN-13" << QStringLiteral("0000000000420");
        QTest::newRow("QR") << int(LabelProfile::QrCode) << "QRCode" << number;
        QTest::newRow("DataMatrix") << int(LabelProfile::DataMatrix) << "DataMatrix" << number;
    }

    void drawnCodesScan() {
        QFETCH(int, symbology);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        if (!TestSupport::haveProgram("pdftoppm") || !TestSupport::haveProgram("ZXingReader"))
            QSKIP("pdftoppm (poppler-utils) and ZXingReader (zxing-cpp-tools) are needed to read the codes back");
        LabelProfile profile = LabelProfiles::BuiltIn()[1]; // the shelf label
        profile.symbology = symbology;
        m_collection->Add(makeItem(0, QStringLiteral("Boremaskine"), QStringLiteral("42")));
        const Labels::Batch batch = LabelDrawing::Batch({m_collection->At(0)}, profile);
        const QString pdf = writePdf("labels.pdf", profile, batch);
        QCOMPARE(decodePdf(pdf, format), expected);
    }

    void sheetSkipsUsedLabels() {
        if (!TestSupport::haveProgram("pdftoppm"))
            QSKIP("pdftoppm (poppler-utils) is needed to look at the sheet");
        LabelProfile profile = LabelProfiles::BuiltIn()[2]; // the A4 sheet, 3 x 8
        profile.usedLabels = 5;
        QCOMPARE(SlotOf(profile, 0).row, 1);
        QCOMPARE(SlotOf(profile, 0).column, 2);
        QCOMPARE(SlotOf(profile, 19).page, 1); // the 25th position starts the second sheet
        QCOMPARE(SlotOf(profile, 19).row, 0);

        for (int i = 0; i < 3; ++i)
            m_collection->Add(makeItem(0, QStringLiteral("Item %1").arg(i), QString::number(i + 1)));
        const Labels::Batch batch = LabelDrawing::Batch(Labels::ItemsOfGroup(*m_collection, 0), profile);
        const QString pdf = writePdf("sheet.pdf", profile, batch);
        const QImage page(renderFirstPage(pdf, 50));
        QVERIFY(!page.isNull());
        const double k = page.width() / profile.pageWidthMm;
        for (int position = 0; position < 12; ++position) {
            const int row = position / 3, column = position % 3;
            const QRect label(int((column * 70 + 2) * k), int((0.5 + row * 37 + 2) * k), int(66 * k), int(33 * k));
            int dark = 0;
            for (int y = label.top(); y <= label.bottom(); ++y)
                for (int x = label.left(); x <= label.right(); ++x)
                    dark += qGray(page.pixel(x, y)) < 128;
            QCOMPARE(dark > 0, position >= 5 && position < 8);
        }
    }

    void coinHolderTexts() {
        SetEdition(Ostrel);
        const LabelProfile profile = LabelProfiles::BuiltIn().front(); // the coin holder
        m_collection->Locations().SetEntries({QStringLiteral("1 krone"), QStringLiteral("2 kroner")});
        Item* coin = makeItem(0, QStringLiteral("1875"), QStringLiteral("14.1"));
        coin->SetLocation(1);
        coin->SetProduct(QStringLiteral("Sølv"));
        coin->SetAddress(QStringLiteral("1+"));
        coin->SetSupplier(QStringLiteral("Sieg"));
        m_collection->Add(coin);
        m_collection->Add(makeItem(0, QStringLiteral("1876"), QString()));
        m_collection->Add(makeItem(0, QStringLiteral("1877"), QStringLiteral("7")));
        const Labels::Batch batch = LabelDrawing::Batch(Labels::ItemsOfGroup(*m_collection, 0), profile);
        QCOMPARE(batch.labels.size(), size_t(2));
        QCOMPARE(batch.labels[1].number, QStringLiteral("000007")); // a number is still the padded number
        QCOMPARE(batch.skipped.size(), size_t(1));                  // no catalogue number, no code
        const QString pdf = writePdf("coins.pdf", profile, batch);
        const QStringList pages = TestSupport::pdfPages(pdf);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(TestSupport::simplifiedLines(pages.first()),
                 (QStringList{"1875", "2 kroner", "Sølv", "1+", "Sieg 14.1"}));
        if (TestSupport::haveProgram("pdftoppm") && TestSupport::haveProgram("ZXingReader"))
            QCOMPARE(decodePdf(pdf, QStringLiteral("QRCode")), QStringLiteral("14.1"));
    }

    void setupDialogKeepsProfiles() {
        TestDialogs dialogs;
        m_collection->Add(makeItem(0, QStringLiteral("Boremaskine"), QStringLiteral("1001")));
        {
            LabelSetupDialog dialog(m_collection);
            dialog.findChild<QComboBox*>(QStringLiteral("profileComboBox"))->setCurrentIndex(2); // the A4 sheet
            QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("previewLabel"))->pixmap().isNull());
            dialog.findChild<QSpinBox*>(QStringLiteral("usedSpinBox"))->setValue(5);
            dialog.findChild<QLineEdit*>(QStringLiteral("nameLineEdit"))->setText(QStringLiteral("Halvt ark"));
            // Five columns of 70 mm do not fit on A4: the dialog says so and keeps everything as it was.
            auto* columns = dialog.findChild<QSpinBox*>(QStringLiteral("columnsSpinBox"));
            columns->setValue(5);
            dialogs.answer(0);
            dialog.accept();
            QCOMPARE(dialogs.boxes.size(), 1);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(AppSettings::CurrentLabelProfileName(), QString());
            columns->setValue(3);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        const LabelProfile current = AppSettings::CurrentLabelProfile();
        QCOMPARE(current.name, QStringLiteral("Halvt ark"));
        QCOMPARE(current.usedLabels, 5);
        QCOMPARE(current.columns, 3);
    }

    void mainWindowPrintsChosenRows() {
        const TestSupport::SampleInstallation install;
        TestDialogs dialogs;
        const QString device = deviceFile("<%1>");
        AppSettings::StoreCurrentLabelProfileName(QStringLiteral("printer"));
        {
            MainWindow window;
            auto* print = window.findChild<QAction*>(QStringLiteral("PrintBarcode"));
            QVERIFY(print && print->isEnabled());
            // A group row prints the items of its own group number.
            selectRow(window.ListView(), window.ListView()->Model()->GroupIndex(1));
            QByteArray expected;
            for (const Item* item : Labels::ItemsOfGroup(*window.Collection(), 1))
                expected += "<" + Labels::PaddedNumber(item->GetSerialno().trimmed()).toLatin1() + ">";
            QVERIFY(!expected.isEmpty());
            print->trigger();
            QCOMPARE(TestSupport::readAll(device), expected);
            // The groups editor's print button prints the chosen entry's label with its own number.
            QVERIFY(TestSupport::writeAll(QString::fromLatin1(Labels::kLocationFormatFile), "[%1]"));
            QAction* groups = window.findChild<QAction*>(QStringLiteral("SetupGroups"));
            QVERIFY(groups && groups->isEnabled());
            groups->trigger();
            auto* editor = window.findChild<setupdialog*>(QStringLiteral("Setup Groups"));
            QVERIFY(editor);
            QVERIFY(editor->printButton->isVisible());
            editor->listLineEdit->setCurrentRow(2);
            QTest::mouseClick(editor->printButton, Qt::LeftButton);
            QCOMPARE(TestSupport::readAll(device), QByteArray("[000002]"));
            editor->reject();
        }
        // Ostrel prints coin-holder labels from its Edit menu, through the print dialog.
        SetEdition(Ostrel);
        TestSupport::clearSettings();
        {
            MainWindow window;
            auto* print = window.findChild<QAction*>(QStringLiteral("PrintLabels"));
            QVERIFY(print && print->isEnabled());
            const auto found = std::find_if(window.Collection()->begin(), window.Collection()->end(),
                                            [](Item* item) { return !item->GetSerialno().trimmed().isEmpty(); });
            QVERIFY(found != window.Collection()->end());
            Item* coin = *found;
            selectRow(window.ListView(), window.ListView()->FindListViewItem(coin));
            const QString pdf = m_dir->filePath(QStringLiteral("coin.pdf"));
            dialogs.printTo(pdf);
            print->trigger();
            const QStringList pages = TestSupport::pdfPages(pdf);
            QCOMPARE(pages.size(), 1);
            QVERIFY(pages.first().contains(coin->GetName()));
        }
    }
};

QTEST_MAIN(tst_Labels)
#include "tst_labels.moc"
