#include "ItemListView.h"

#include "ExternalViewers.h"
#include "ItemListModel.h"
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/ItemCommands.h"
#include "itemdialog/ItemDialog.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

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
}

ItemListView::~ItemListView() {
    delete mContextMenu;
}

void ItemListView::SetCollection(DBItemCollection* collection) {
    if (mCollection && mCollection != collection)
        disconnect(mCollection, nullptr, this, nullptr);
    mCollection = collection;
    mModel->SetCollection(collection);
    if (collection) {
        // After the model's own connections, so the rows are there when the view looks at them.
        connect(collection, &DBItemCollection::itemAdded, this, &ItemListView::SelectItem, Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemChanged, this, &ItemListView::itemMoved, Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemsAboutToBeReset, this, &ItemListView::itemsAboutToBeReset,
                Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemsReset, this, &ItemListView::itemsReset, Qt::UniqueConnection);
    }
    if (collection && collection->Groups().Count() == 0)
        qDebug("group.size = 0");
}

void ItemListView::Fill(DBItemCollection* collection) {
    if (collection != mCollection)
        SetCollection(collection);
    const ItemListModel::FillResult result = mModel->Fill();
    if (result.unlisted > 0 && mCollection) {
        // One message for the whole list, however many items have no group row.
        QString text = tr("MAX_LIMIT_ERROR").arg(result.firstUnlisted).arg(mCollection->Groups().Limit());
        if (result.unlisted > 1)
            text += QStringLiteral("\n\n") + tr("ITEMS_NOT_LISTED").arg(result.unlisted);
        Dialogs::critical(this, tr("Fejl - type"), text, tr("OK"));
    }
}

ItemListView::KeptRows ItemListView::keepRows() const {
    KeptRows kept;
    kept.current = currentItem();
    kept.currentGroup = !kept.current && IsGroupRow(currentIndex()) ? currentIndex().row() : -1;
    for (int group = 0; group < mModel->GroupCount(); ++group) {
        if (isExpanded(mModel->GroupIndex(group)))
            kept.open.push_back(group);
    }
    return kept;
}

void ItemListView::restoreRows(const KeptRows& kept) {
    const int column = header()->sortIndicatorSection();
    if (column >= 0 && column < mModel->columnCount())
        mModel->sort(column, header()->sortIndicatorOrder());
    for (int group : kept.open) {
        if (group < mModel->GroupCount())
            setExpanded(mModel->GroupIndex(group), true);
    }
    if (kept.current)
        ItemSelected(mModel->IndexOf(kept.current));
    else if (kept.currentGroup >= 0 && kept.currentGroup < mModel->GroupCount())
        ItemSelected(mModel->GroupIndex(kept.currentGroup));
}

void ItemListView::Rebuild() {
    if (!mCollection)
        return;
    const KeptRows kept = keepRows();
    mModel->SetCollection(mCollection);
    Fill(mCollection);
    restoreRows(kept);
}

void ItemListView::SelectItem(Item* item) {
    const QModelIndex row = mModel->IndexOf(item);
    if (!row.isValid())
        return;
    setCurrentIndex(row);
    clearSelection();
    selectionModel()->select(row, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    scrollTo(row);
}

void ItemListView::itemMoved(Item* item, int oldGroup) {
    if (item->GetGroup() != oldGroup)
        SelectItem(item);
}

void ItemListView::itemsAboutToBeReset() {
    mKeptRows = keepRows();
}

void ItemListView::itemsReset() {
    restoreRows(mKeptRows);
    mKeptRows = KeptRows();
}

void ItemListView::Clear() {
    mModel->Clear();
}

void ItemListView::ViewAll(bool showall) {
    if (mModel->GroupCount() == 0 || !mCollection)
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

    // Opening the groups one by one while a layout is pending costs nothing; the view then lays out
    // all rows once. (expandAll() would keep a persistent index for every row.)
    scheduleDelayedItemsLayout();
    for (int group = 0; group < mModel->GroupCount(); ++group)
        setExpanded(mModel->GroupIndex(group), showall);
    executeDelayedItemsLayout();
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
    } else {
        openItemDialog(nullptr, QStringLiteral("DATA"), false, mModel->GroupName(item.row()));
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

Item* ItemListView::DeleteItem() {
    Item* item = currentItem();
    if (!item || !mCollection)
        return nullptr;
    // The collection announces the removal; the row goes with it, and the item stays with the undo.
    mCollection->Push(new DeleteItemCommand(mCollection, item));
    clearSelection();
    setCurrentIndex(QModelIndex());
    emit rowSelected(QModelIndex());
    return item;
}

void ItemListView::SeachItem() {
    openItemDialog(nullptr, QStringLiteral("DATA"), true, QString());
}

void ItemListView::ViewCurrentAsHTML() {
    Item* item = currentItem();
    if (item && mCollection)
        ExternalViewers::ShowItemAsHtml(*mCollection, *item);
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
