#include "ItemListView.h"

#include "ExternalViewers.h"
#include "ItemListModel.h"
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "itemdialog/ItemDialog.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <vector>

namespace {
struct ColumnSetting {
    const char* key;
    int width;
};
// Default widths wide enough for the captions and the usual contents in all three languages.
const ColumnSetting kColumns[ColumnNames::ColumnCount] = {
    {"GROUPCOLUMNwidth", 170},       {"NAMECOLUMNwidth", 150},     {"MODELCOLUMNwidth", 100},
    {"PRODUCTTYPECOLUMNwidth", 140}, {"COUNTCOLUMNwidth", 48},     {"PRICECOLUMNwidth", 85},
    {"PRICETODAYCOLUMNwidth", 85},   {"PICTURECOLUMNwidth", 55},   {"RECEIPTCOLUMNwidth", 55},
    {"DATECOLUMNwidth", 82},         {"LOCATIONCOLUMNwidth", 120}, {"DESCRIPTIONCOLUMNwidth", 180},
    {"SUPPLIERCOLUMNwidth", 120},    {"ADDRESSCOLUMNwidth", 150},  {"SERIALNOCOLUMNwidth", 110},
    {"WWWCOLUMNwidth", 160},         {"DOCUMENTCOLUMNwidth", 50},
};

QString pictureViewerProgram() {
#ifdef Q_OS_WIN
    const QString fallback = QStringLiteral("mspaint.exe");
#else
    const QString fallback; // elsewhere a file goes straight to the program the desktop associates with it
#endif
    return Settings().value(QStringLiteral("PictureViewerProgram"), fallback).toString();
}
} // namespace

ItemListView::ItemListView(QWidget* mainWindow)
    : QTreeView(mainWindow), mMainWindow(mainWindow), mModel(new ItemListModel(this)) {
    setObjectName(QStringLiteral("ItemListView"));
    setModel(mModel);
    mModel->SetIcons(QIcon(QStringLiteral(":/icons/picture.xpm")), QIcon(QStringLiteral(":/icons/receipt.xpm")),
                     QIcon(QStringLiteral(":/icons/document.xpm")));
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);     // a million rows lay out without asking each one for its height
    setExpandsOnDoubleClick(false); // a double click on a group row starts a new item in that group
    setIconSize(QSize(16, 16));

    Settings settings;
    settings.beginGroup(QStringLiteral("ListView"));
    for (int column = 0; column < ColumnNames::ColumnCount; ++column)
        setColumnWidth(column, settings.value(QLatin1String(kColumns[column].key), kColumns[column].width).toInt());
    settings.endGroup();
    header()->setStretchLastSection(true);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    header()->setSortIndicatorShown(true);
    setSortingEnabled(true);

    connect(this, &QTreeView::clicked, this, &ItemListView::ItemSelected);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit rowSelected(current); });
    connect(this, &QTreeView::clicked, this, &ItemListView::rowSelected);
    connect(this, &QTreeView::doubleClicked, this, &ItemListView::doubleClickOnItemSlot);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { ShowContextMenu(indexAt(position)); });

    if (IsPellin())
        setWhatsThis(tr("LIST_HELP_PELLIN"));
    else if (IsOstrel())
        setWhatsThis(tr("LIST_HELP_OSTREL"));
    else
        setWhatsThis(tr("LIST_HELP_1"));
    mContextMenu = new QMenu; // without parent, as a popup of its own

    // The totals follow every change of the rows; a burst of changes is counted once.
    mTotalsTimer = new QTimer(this);
    mTotalsTimer->setSingleShot(true);
    mTotalsTimer->setInterval(0);
    connect(mTotalsTimer, &QTimer::timeout, this, [this] { emit totalsChanged(TotalsText()); });
    const auto recount = [this] { mTotalsTimer->start(); };
    connect(mModel, &QAbstractItemModel::modelReset, mTotalsTimer, recount);
    connect(mModel, &QAbstractItemModel::rowsInserted, mTotalsTimer, recount);
    connect(mModel, &QAbstractItemModel::rowsRemoved, mTotalsTimer, recount);
    connect(mModel, &QAbstractItemModel::dataChanged, mTotalsTimer, recount);
}

ItemListView::~ItemListView() {
    delete mContextMenu;
}

void ItemListView::SetCollection(DBItemCollection* collection) {
    mCollection = collection;
    mModel->SetCollection(collection);
    if (collection && collection->Groups().Count() == 0)
        qDebug("group.size = 0");
}

void ItemListView::Fill(DBItemCollection* collection) {
    if (collection != mCollection)
        SetCollection(collection);
    const ItemListModel::FillResult result = mModel->Fill();
    if (mModel->IsFiltered())
        expandAllRows(true);
    if (result.unlisted > 0 && mCollection) {
        // Said once per register: the rows themselves name each missing group number.
        Dialogs::information(this, tr("Grupper mangler"),
                             tr("Nogle poster har et gruppenummer, der ikke findes i gruppelisten. De vises nederst "
                                "under deres gruppenummer."),
                             tr("OK"));
    }
}

void ItemListView::Rebuild() {
    if (!mCollection)
        return;
    Item* current = currentItem();
    const int currentGroup = !current ? mModel->GroupNumberOf(currentIndex()) : -1;
    std::vector<int> open;
    for (int row = 0; row < mModel->rowCount(); ++row) {
        const QModelIndex group = mModel->index(row, 0);
        if (isExpanded(group))
            open.push_back(mModel->GroupNumberOf(group));
    }
    mModel->SetCollection(mCollection);
    mModel->Fill(); // the register is the same: no second word about missing groups
    const int column = header()->sortIndicatorSection();
    if (column > 0 && column < mModel->columnCount())
        mModel->sort(column, header()->sortIndicatorOrder());
    if (mModel->IsFiltered()) {
        expandAllRows(true);
    } else {
        for (int group : open)
            setExpanded(mModel->GroupIndex(group), true);
    }
    if (current)
        ItemSelected(mModel->IndexOf(current));
    else if (currentGroup >= 0)
        ItemSelected(mModel->GroupIndex(currentGroup));
}

void ItemListView::SetFilter(const QString& text) {
    const bool was = mModel->IsFiltered();
    if (!was) {
        // What was open comes back when the filter is cleared.
        mOpenBeforeFilter.clear();
        for (int row = 0; row < mModel->rowCount(); ++row) {
            const QModelIndex group = mModel->index(row, 0);
            if (isExpanded(group))
                mOpenBeforeFilter.push_back(mModel->GroupNumberOf(group));
        }
    }
    Item* current = currentItem();
    mModel->SetFilter(text);
    if (mModel->IsFiltered()) {
        expandAllRows(true);
    } else if (was) {
        scheduleDelayedItemsLayout();
        for (int group : mOpenBeforeFilter)
            setExpanded(mModel->GroupIndex(group), true);
        executeDelayedItemsLayout();
    }
    const QModelIndex row = mModel->IndexOf(current);
    if (row.isValid()) {
        ItemSelected(row);
        scrollTo(row);
    } else {
        emit rowSelected(QModelIndex());
    }
}

bool ItemListView::IsFiltered() const {
    return mModel->IsFiltered();
}

QString ItemListView::TotalsText() const {
    return ItemListModel::TotalsText(mModel->ShownTotals(), ItemListModel::InterfaceLocale());
}

void ItemListView::expandAllRows(bool expand) {
    // Opening the groups one by one while a layout is pending costs nothing; the view then lays out
    // all rows once. (expandAll() would keep a persistent index for every row.)
    scheduleDelayedItemsLayout();
    for (int row = 0; row < mModel->rowCount(); ++row)
        setExpanded(mModel->index(row, 0), expand);
    executeDelayedItemsLayout();
}

void ItemListView::AddItem(Item* item, bool select) {
    const QModelIndex row = mModel->AddItem(item);
    if (!row.isValid())
        return; // the filter hides it
    setCurrentIndex(row);
    if (select) {
        clearSelection();
        selectionModel()->select(row, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        scrollTo(row);
    }
}

void ItemListView::UpdateRow(const QModelIndex& row, Item* item) {
    if (!item)
        return;
    const QPersistentModelIndex parentBefore = row.parent();
    const QModelIndex updated = mModel->UpdateRow(row, item);
    if (updated.isValid() && updated.parent() != parentBefore) {
        setCurrentIndex(updated);
        clearSelection();
        selectionModel()->select(updated, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        scrollTo(updated);
    }
}

void ItemListView::Clear() {
    mModel->Clear();
}

void ItemListView::ViewAll(bool showall) {
    if (mModel->rowCount() == 0 || !mCollection)
        return;
    userItemCollection& fields = mCollection->Fields();
    for (int field = 0; field <= 14; ++field) {
        if (fields.Entry(field).isEmpty())
            continue;
        const int column = ColumnNames::ColumnOfField(field);
        const QString caption = fields.Caption(field);
        ColumnNames::SetTitle(column, column <= 1 ? tr(qPrintable(caption)) : caption);
    }
    const int version = DBItemCollection::LoadedFormatVersion();
    const QString document = fields.Entry(15);
    if (!document.isEmpty() && version > 252 && !document.contains(QLatin1String("COLUMN"), Qt::CaseInsensitive))
        ColumnNames::SetTitle(ColumnNames::Document, fields.Caption(15));
    const QString productType = fields.Entry(16);
    if (!productType.isEmpty() && version > 254 && !productType.contains(QLatin1String("FIELD"), Qt::CaseInsensitive))
        ColumnNames::SetTitle(ColumnNames::ProductType, fields.Caption(16));
    mModel->RefreshHeaders();

    expandAllRows(showall);
}

QModelIndex ItemListView::FindListViewItem(Item* item) {
    const QModelIndex row = mModel->IndexOf(item);
    if (row.isValid())
        setCurrentIndex(row);
    return row;
}

bool ItemListView::IsGroupRow(const QModelIndex& row) const {
    return mModel->IsGroupRow(row);
}

Item* ItemListView::ItemOf(const QModelIndex& row) const {
    return mModel->ItemAt(row);
}

bool ItemListView::HasPictureLink(const QModelIndex& row) const {
    const Item* item = currentIndex().isValid() ? ItemOf(row) : nullptr;
    return item && !item->IsEmpty(Item::Photolink);
}

bool ItemListView::HasReceipt(const QModelIndex& row) const {
    const Item* item = currentIndex().isValid() ? ItemOf(row) : nullptr;
    return item && !item->IsEmpty(Item::Receipt);
}

bool ItemListView::HasUrl(const QModelIndex& row) const {
    const Item* item = currentIndex().isValid() ? ItemOf(row) : nullptr;
    return item && !item->IsEmpty(Item::Www);
}

bool ItemListView::HasDocument(const QModelIndex& row) const {
    const Item* item = currentIndex().isValid() ? ItemOf(row) : nullptr;
    return item && !item->IsEmpty(Item::Document);
}

int ItemListView::GetNumberOfGroups() const {
    return mModel->GroupCount();
}

void ItemListView::UpdateGroupItemName(int item, const QString& name) {
    mModel->SetGroupName(item, name);
}

QModelIndex ItemListView::isItemSelected() const {
    const QModelIndex row = currentIndex();
    return row.isValid() ? row.siblingAtColumn(0) : QModelIndex();
}

Item* ItemListView::currentItem() const {
    return ItemOf(isItemSelected());
}

void ItemListView::ItemSelected(const QModelIndex& row) {
    if (!row.isValid())
        return;
    const QModelIndex first = row.siblingAtColumn(0);
    clearSelection();
    setCurrentIndex(first);
    selectionModel()->select(first, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ItemListView::doubleClickOnItemSlot(const QModelIndex& item) {
    if (!item.isValid())
        return;
    ItemSelected(item);
    if (Item* record = ItemOf(item)) {
        openItemDialog(record, QStringLiteral("DATA"), false, QString());
        const QModelIndex row = mModel->IndexOf(record);
        if (row.isValid())
            UpdateRow(row, record);
    } else {
        openItemDialog(nullptr, QStringLiteral("DATA"), false, mModel->GroupName(mModel->GroupNumberOf(item)));
    }
}

void ItemListView::returnPressedSlot(const QModelIndex& item) {
    doubleClickOnItemSlot(item);
}

void ItemListView::EditItem() {
    doubleClickOnItemSlot(isItemSelected());
}

void ItemListView::MousePressed(const QModelIndex& row, const QPoint&, int column) {
    if (!row.isValid() || !ItemOf(row))
        return;
    switch (column) {
    case ColumnNames::Picture:
        ShowPicture1();
        break;
    case ColumnNames::Receipt:
        ShowImage2();
        break;
    case ColumnNames::Document:
        ShowDocument();
        break;
    case ColumnNames::Www:
        ShowUrl();
        break;
    default:
        break;
    }
}

void ItemListView::ShowContextMenu(const QModelIndex& item) {
    if (item.isValid())
        mContextMenu->popup(QCursor::pos());
}

void ItemListView::DeleteItem() {
    Item* item = currentItem();
    if (!item || !mCollection)
        return;
    // The row goes before the item it points to.
    mModel->RemoveItem(item);
    mCollection->Remove(item);
    delete item;
    // A deletion is a change like any other: without the flag, quitting would silently drop it.
    DBItemCollection::SetModified(true);
    clearSelection();
    setCurrentIndex(QModelIndex());
    emit rowSelected(QModelIndex());
}

void ItemListView::SeachItem() {
    openItemDialog(nullptr, QStringLiteral("DATA"), true, QString());
}

void ItemListView::ViewCurrentAsHTML() {
    Item* item = currentItem();
    if (!item || !mCollection)
        return;
    QString folder = qEnvironmentVariable("AppData");
    if (folder.isEmpty())
        folder = GetLastDBDir();
    const QString file = QStringLiteral("%1/CurrentItem%2").arg(folder, QStringLiteral(".htm"));
    if (mCollection->WriteHtml(file, false, item, false, false))
        ExternalViewers::OpenFile(file, QString(), true);
}

void ItemListView::ShowPicture1() {
    Item* item = currentItem();
    if (!item || item->IsEmpty(Item::Photolink))
        return;
    const QString path = item->GetPhotolink();
    if (IsPictureFile(path)) {
        openItemDialog(item, QStringLiteral("PICTURE"), false, QString());
        return;
    }
    ExternalViewers::ShowWithProgram(pictureViewerProgram(), path);
}

void ItemListView::ShowImage2() {
    Item* item = currentItem();
    if (!item || item->IsEmpty(Item::Receipt))
        return;
    const QString path = item->GetReceipt();
    if (IsPictureFile(path))
        openItemDialog(item, QStringLiteral("RECEIPT"), false, QString());
    else
        ExternalViewers::OpenWithAssociated(path);
}

void ItemListView::ShowDocument() {
    Item* item = currentItem();
    if (item && !item->IsEmpty(Item::Document))
        ExternalViewers::OpenWithAssociated(item->GetDocument());
}

void ItemListView::ShowUrl() {
    Item* item = currentItem();
    if (!item)
        return;
    if (item->IsEmpty(Item::Www)) {
        Dialogs::critical(nullptr, tr("NB!"), tr("Ingen URL tilknyttet valgte inventar"), tr("Ok"));
        return;
    }
    // With no web program chosen the address goes to the desktop's browser; it is never started as a
    // program itself.
    const QString program = Settings().value(QStringLiteral("wwwProgram")).toString();
    if (program.isEmpty())
        ExternalViewers::OpenWithAssociated(item->GetWww());
    else
        ExternalViewers::ShowWithProgram(program, item->GetWww());
}

void ItemListView::AddToContextMenu(QAction* action) {
    if (action)
        mContextMenu->addAction(action);
    else
        mContextMenu->addSeparator();
}

void ItemListView::SaveColumnWidths() {
    Settings settings;
    settings.beginGroup(QStringLiteral("ListView"));
    settings.setValue(QStringLiteral("Colums"), ColumnNames::ColumnCount);
    settings.setValue(QStringLiteral("childCount"), mModel->GroupCount());
    for (int column = 0; column < ColumnNames::ColumnCount; ++column)
        settings.setValue(QLatin1String(kColumns[column].key), columnWidth(column));
    settings.endGroup();
}

void ItemListView::keyPressEvent(QKeyEvent* event) {
    // "/" asks for the filter field, whichever keys make it on the keyboard at hand.
    if (event->text() == QLatin1String("/") && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit filterRequested();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        returnPressedSlot(currentIndex());
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ItemListView::mousePressEvent(QMouseEvent* event) {
    QTreeView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex row = indexAt(event->position().toPoint());
    if (row.isValid())
        MousePressed(row, event->globalPosition().toPoint(), row.column());
}

void ItemListView::openItemDialog(Item* item, const QString& page, bool search, const QString& groupName) {
    auto* dialog = new ItemDialog(mCollection, this, item, page, search, search ? nullptr : this, groupName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
