// How the item dialog and the two setup dialogs look in every edition and language: no text cut off, no raw
// translation key in front of a user, and the item dialog fits the size it opens at.
//
// With VESTRUM_SCREENSHOT_DIR set, the dialogs are also saved there as PNG files to be looked at.
// The dialogs' headers need their forms' generated headers; naming them here has them generated for this test.
#include "ui_AutomakeItemsClass.h"
#include "ui_CommonSetupBase.h"
#include "ui_ItemDialogBase.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "itemdialog/ItemDialog.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"
#include "tests/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// A text that is a translation key rather than words: a run of capitals with an underscore, or five
// capitals or more.
bool looksLikeKey(const QString& text) {
    static const QRegularExpression key(QStringLiteral("[A-Z][A-Z0-9]*_[A-Z0-9_]+|\\b[A-Z]{5,}\\b"));
    return key.match(QString(text).remove(QLatin1Char('&'))).hasMatch();
}

// What a user would notice in a window: a raw key in a title, text, tab or tool tip; a field that sticks
// out of its parent; a label or button narrower than its text.
QStringList problems(QWidget* window) {
    QStringList found;
    auto key = [&found](const QObject* owner, const QString& text) {
        if (looksLikeKey(text))
            found << QStringLiteral("%1 shows a key: %2").arg(owner->objectName(), text);
    };
    key(window, window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString text = label ? label->text() : button ? button->text() : QString();
        for (const QString& shown : {text, widget->toolTip(), widget->whatsThis()})
            key(widget, shown);
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                key(tabs, tabs->tabText(i));
        }
        if (!widget->isVisibleTo(window))
            continue;
        const bool field = label || button || qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget);
        if (field && !widget->parentWidget()->rect().contains(widget->geometry()))
            found << QStringLiteral("%1 sticks out of %2")
                         .arg(widget->objectName(), widget->parentWidget()->objectName());
        const bool whole = label ? label->text().trimmed().isEmpty() || label->wordWrap() : text.isEmpty();
        if (!whole && widget->width() < widget->sizeHint().width())
            found << QStringLiteral("%1 \"%2\" %3 < %4")
                         .arg(widget->objectName(), text)
                         .arg(widget->width())
                         .arg(widget->sizeHint().width());
    }
    return found;
}

} // namespace

class TestItemDialogLook : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDialogs> m_dialogs;
    QString m_oldCurrent;
    QString m_shots;

    static void addRows() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (int edition : {Tovik, Pellin, Ostrel, Brevane}) {
            for (const char* language : {"dk", "no", "en"}) {
                SetEdition(edition);
                QTest::addRow("%s %s", qPrintable(GetAppName()), language) << edition << QString::fromLatin1(language);
            }
        }
    }

    static void useLanguage(int edition, const QString& language) {
        SetEdition(edition);
        Settings settings;
        settings.setValue(QStringLiteral("Language"), language);
        settings.setValue(QStringLiteral("LastDBDir"), DefaultDatabaseDir());
        settings.sync();
        TestSupport::installTranslation(language);
        ColumnNames::Reset();
    }

    // Saves the window's picture when asked to, then checks it.
    void look(QWidget* window, const QString& page) {
        const QString name = GetAppName() + QLatin1Char('-') + Settings().value(QStringLiteral("Language")).toString() +
                             QLatin1Char('-') + page;
        if (!m_shots.isEmpty()) {
            QCoreApplication::processEvents();
            QVERIFY(window->grab().save(m_shots + QLatin1Char('/') + name + QStringLiteral(".png")));
        }
        const QStringList found = problems(window);
        QVERIFY2(found.isEmpty(), qPrintable(name + QLatin1Char('\n') + found.join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        m_oldCurrent = QDir::currentPath();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        TestSupport::copyTree(TestSupport::sourceDir() + QStringLiteral("/data"), m_dir->path());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_dialogs = std::make_unique<TestDialogs>();
        m_shots = qEnvironmentVariable("VESTRUM_SCREENSHOT_DIR");
        if (!m_shots.isEmpty())
            QVERIFY(QDir().mkpath(m_shots));
    }

    void cleanupTestCase() {
        m_dialogs.reset();
        QDir::setCurrent(m_oldCurrent);
    }

    void init() {
        TestSupport::clearSettings();
        QFile::remove(m_dir->filePath(QStringLiteral("db/DemoBrevane/LockFile.txt")));
    }

    // The sample database's first item with a picture, on the data page, the picture page and in search mode.
    void itemDialogLooks_data() { addRows(); }
    void itemDialogLooks() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        useLanguage(edition, language);
        DBItemCollection collection(nullptr, DefaultDatabaseDir());
        QVERIFY(collection.LoadFromAsciiFile(DefaultDatabasePath()));
        auto withPicture = std::find_if(collection.begin(), collection.end(), [](const Item* item) {
            return IsPictureFile(item->GetPhotolink()) && QFileInfo::exists(item->GetPhotolink());
        });
        QVERIFY(withPicture != collection.end());
        ItemDialog dialog(&collection, *withPicture, QStringLiteral("DATA"), false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // It opens at its remembered size (627 x 539 the first time) without needing more.
        QCOMPARE(dialog.size(), QSize(627, 539));
        QVERIFY2(dialog.minimumSizeHint().width() <= 627 && dialog.minimumSizeHint().height() <= 539,
                 qPrintable(QStringLiteral("needs %1 x %2")
                                .arg(dialog.minimumSizeHint().width())
                                .arg(dialog.minimumSizeHint().height())));
        look(&dialog, QStringLiteral("data"));
        if (QTest::currentTestFailed())
            return;
        dialog.ShowPage(QStringLiteral("PICTURE"));
        look(&dialog, QStringLiteral("picture"));
        if (QTest::currentTestFailed())
            return;
        dialog.ShowPage(QStringLiteral("DATA"));
        dialog.ResetSlot();
        look(&dialog, QStringLiteral("search"));
    }

    // The default-folder dialog in every edition; the pre-create dialog in Brevane, the only one that has it.
    void setupDialogsLook_data() { addRows(); }
    void setupDialogsLook() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        useLanguage(edition, language);
        CommonSetup folders(nullptr, QCoreApplication::translate("CommonSetup", "CommonSetupDialogTitle"));
        folders.show();
        QVERIFY(QTest::qWaitForWindowExposed(&folders));
        look(&folders, QStringLiteral("folders"));
        if (edition != Brevane || QTest::currentTestFailed())
            return;
        DBItemCollection collection(nullptr, DefaultDatabaseDir());
        AutomakeItems automake(&collection, nullptr);
        automake.show();
        QVERIFY(QTest::qWaitForWindowExposed(&automake));
        look(&automake, QStringLiteral("automake"));
    }
};

QTEST_MAIN(TestItemDialogLook)
#include "tst_itemdialog_look.moc"
