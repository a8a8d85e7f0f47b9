#include "mainwindow/ItemListView.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/ItemCommands.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ExternalViewers.h"
#include "mainwindow/ItemListModel.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStringList>
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
// The hidden columns' numbers, comma-separated; an empty text shows every column.
const char* const kHiddenColumnsKey = "hiddenColumns";

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

    header()->setStretchLastSection(true);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    header()->setSortIndicatorShown(true);
    setSortingEnabled(true);

    Settings settings;
    settings.beginGroup(QStringLiteral("ListView"));
    for (int column = 0; column < ColumnNames::ColumnCount; ++column) {
        const QVariant stored = settings.value(QLatin1String(kColumns[column].key));
        mDefaultWidths << (stored.isValid() ? -1 : DefaultColumnWidth(column));
        setColumnWidth(column, stored.isValid() ? stored.toInt() : mDefaultWidths.last());
    }
    // The user's own choice of columns once made; until then the edition's, which hides what it never fills.
    const QString hiddenKey = QLatin1String(kHiddenColumnsKey);
    if (settings.contains(hiddenKey)) {
        const QStringList hidden = settings.value(hiddenKey).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString& column : hidden) {
            bool ok = false;
            const int number = column.toInt(&ok);
            if (ok && number > ColumnNames::Group && number < ColumnNames::ColumnCount)
                setColumnHidden(number, true);
        }
    } else {
        for (int column = ColumnNames::Group + 1; column < ColumnNames::ColumnCount; ++column)
            setColumnHidden(column, ColumnNames::HiddenByDefault(column, Edition()));
    }
    // The header as the user left it (widths, order and shown columns); the sort is not kept, the register
    // opens in its own order.
    header()->restoreState(settings.value(QStringLiteral("headerState")).toByteArray());
    settings.endGroup();

    connect(this, &QTreeView::clicked, this, &ItemListView::ItemSelected);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit rowSelected(current); });
    connect(this, &QTreeView::clicked, this, &ItemListView::rowSelected);
    connect(this, &QTreeView::doubleClicked, this, &ItemListView::doubleClickOnItemSlot);
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header(), &QWidget::customContextMenuRequested, this, &ItemListView::showColumnsMenu);
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
        connect(collection, &DBItemCollection::listAboutToChange, this, &ItemListView::listAboutToChange,
                Qt::UniqueConnection);
        connect(collection, &DBItemCollection::listChanged, this, &ItemListView::listChanged, Qt::UniqueConnection);
    }
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

ItemListView::KeptRows ItemListView::keepRows() const {
    KeptRows kept;
    kept.current = currentItem();
    kept.currentGroup = !kept.current ? mModel->GroupNumberOf(currentIndex()) : -1;
    for (int row = 0; row < mModel->rowCount(); ++row) {
        const QModelIndex group = mModel->index(row, 0);
        if (isExpanded(group))
            kept.open.push_back(mModel->GroupNumberOf(group));
    }
    return kept;
}

void ItemListView::restoreRows(const KeptRows& kept) {
    const int column = header()->sortIndicatorSection();
    if (column > 0 && column < mModel->columnCount())
        mModel->sort(column, header()->sortIndicatorOrder());
    if (mModel->IsFiltered()) {
        expandAllRows(true);
    } else {
        scheduleDelayedItemsLayout();
        for (int group : kept.open)
            setExpanded(mModel->GroupIndex(group), true);
        executeDelayedItemsLayout();
    }
    if (kept.current)
        ItemSelected(mModel->IndexOf(kept.current));
    else if (kept.currentGroup >= 0)
        ItemSelected(mModel->GroupIndex(kept.currentGroup));
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
    return ItemListModel::TotalsText(mModel->ShownTotals(), InterfaceLocale());
}

void ItemListView::expandAllRows(bool expand) {
    // Opening the groups one by one while a layout is pending costs nothing; the view then lays out
    // all rows once. (expandAll() would keep a persistent index for every row.)
    scheduleDelayedItemsLayout();
    for (int row = 0; row < mModel->rowCount(); ++row)
        setExpanded(mModel->index(row, 0), expand);
    executeDelayedItemsLayout();
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

void ItemListView::listAboutToChange(int list) {
    // The model refills its rows for the lists whose names it shows (no second word about missing groups).
    if (list == DBItemCollection::GroupList || list == DBItemCollection::LocationList)
        itemsAboutToBeReset();
}

void ItemListView::listChanged(int list) {
    if (list == DBItemCollection::GroupList || list == DBItemCollection::LocationList)
        itemsReset();
}

void ItemListView::Clear() {
    mModel->Clear();
}

void ItemListView::ViewAll(bool showall) {
    if (mModel->rowCount() == 0 || !mCollection)
        return;
    ColumnNames::SetTitlesFromFields(mCollection->Fields(), DBItemCollection::LoadedFormatVersion());
    mModel->RefreshHeaders();
    fitDefaultWidths();

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

int ItemListView::DefaultColumnWidth(int column) const {
    if (column < 0 || column >= ColumnNames::ColumnCount)
        return 0;
    // The header's own measure: the caption in the header's font, the style's margins and the sort indicator.
    header()->ensurePolished();
    return qMax(kColumns[column].width, header()->sectionSizeHint(column));
}

void ItemListView::fitDefaultWidths() {
    // A width the user stored, or changed since, stays as it is.
    for (int column = 0; column < mDefaultWidths.size(); ++column) {
        if (mDefaultWidths.at(column) < 0 || columnWidth(column) != mDefaultWidths.at(column))
            continue;
        mDefaultWidths[column] = DefaultColumnWidth(column);
        setColumnWidth(column, mDefaultWidths.at(column));
    }
}

void ItemListView::SaveColumnWidths() {
    Settings settings;
    settings.beginGroup(QStringLiteral("ListView"));
    settings.setValue(QStringLiteral("Colums"), ColumnNames::ColumnCount);
    settings.setValue(QStringLiteral("childCount"), mModel->GroupCount());
    for (int column = 0; column < ColumnNames::ColumnCount; ++column) {
        // A hidden column measures 0: keep its width for the day it is shown again.
        if (!isColumnHidden(column))
            settings.setValue(QLatin1String(kColumns[column].key), columnWidth(column));
    }
    settings.setValue(QStringLiteral("headerState"), header()->saveState());
    settings.endGroup();
}

void ItemListView::SetColumnShown(int column, bool shown) {
    if (column <= ColumnNames::Group || column >= ColumnNames::ColumnCount)
        return;
    setColumnHidden(column, !shown);
    QStringList hidden;
    for (int each = ColumnNames::Group + 1; each < ColumnNames::ColumnCount; ++each) {
        if (isColumnHidden(each))
            hidden << QString::number(each);
    }
    Settings settings;
    settings.setValue(QStringLiteral("ListView/") + QLatin1String(kHiddenColumnsKey), hidden.join(QLatin1Char(',')));
}

QMenu* ItemListView::ColumnsMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ColumnsMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int column = ColumnNames::Group + 1; column < ColumnNames::ColumnCount; ++column) {
        QString caption = mModel->headerData(column, Qt::Horizontal).toString();
        QAction* entry = menu->addAction(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
        entry->setCheckable(true);
        entry->setChecked(!isColumnHidden(column));
        connect(entry, &QAction::toggled, this, [this, column](bool shown) { SetColumnShown(column, shown); });
    }
    return menu;
}

void ItemListView::showColumnsMenu(const QPoint& position) {
    ColumnsMenu()->popup(header()->viewport()->mapToGlobal(position));
}

QStringList ItemListView::OpenGroupNames() const {
    QStringList names;
    for (int group = 0; group < mModel->GroupCount(); ++group) {
        if (isExpanded(mModel->GroupIndex(group)))
            names << mModel->GroupName(group);
    }
    return names;
}

void ItemListView::SetOpenGroups(const QStringList& names) {
    // One layout for all groups, as in ViewAll.
    scheduleDelayedItemsLayout();
    for (int group = 0; group < mModel->GroupCount(); ++group)
        setExpanded(mModel->GroupIndex(group), names.contains(mModel->GroupName(group)));
    executeDelayedItemsLayout();
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
    auto* dialog = new ItemDialog(mCollection, item, page, search, search ? nullptr : this, groupName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog knows no view: the row of the item it shows is selected here.
    connect(dialog, &ItemDialog::itemShown, this, &ItemListView::SelectItem);
    dialog->show();
}
