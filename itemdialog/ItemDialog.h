#pragma once

#include "core/DBItemCollection.h"
#include "ui_ItemDialogBase.h"

#include <QDate>
#include <QDialog>
#include <QPixmap>

#include <functional>

class Item;
class QLabel;
class QLineEdit;

// One item shown, edited, created, copied, navigated, searched and printed. The dialog changes the open
// collection only, through undoable commands, and knows no view: the list follows the collection's
// announcements, and whoever opens the dialog may follow itemShown() to select the item's row.
//
// Which command buttons are enabled follows from the dialog's state (editing a stored item, a new item, a
// copy, searching) and from a read-only database; applyButtonStates() sets them all at once.
class ItemDialog : public QDialog, public Ui::ItemDialogBase {
    Q_OBJECT
public:
    enum class State { Edit, New, Copy, Search };

    ItemDialog(DBItemCollection* collection, Item* item, const QString& page, bool search, QWidget* parent = nullptr,
               const QString& groupName = QString(), bool modal = true, Qt::WindowFlags flags = Qt::WindowFlags());
    ~ItemDialog() override;

    // Asked by a save before the item changes (a register on a server asks the server first); `item` is
    // nullptr for a new item or a copy, and `shown` is the item as the dialog showed it (another workstation may
    // have changed the item since). Go: the dialog makes the change with `edited` (the gate may have merged
    // it); Settled: the gate settled the change itself and the item shows the outcome; Keep: nothing changed
    // and the dialog keeps its text; Show: nothing changed and the dialog shows `edited` to be edited again.
    enum class SaveVerdict { Go, Settled, Keep, Show };
    using SaveGate = std::function<SaveVerdict(ItemDialog* dialog, Item* item, const Item& shown, Item& edited)>;
    // One gate for every item dialog; an empty one lets every save through.
    static void SetSaveGate(SaveGate gate);

    // The item was deleted on another workstation: the dialog stays with what it shows, now an item not yet
    // saved, and says so; a save asks whether to save it as a new item or to discard it.
    void ItemDeletedElsewhere();

    State CurrentState() const { return mState; }
    Item* CurrentItem() const { return mCurrentItem; }
    bool IsNewItem() const { return mIsNewItem; }

    // Relabels the fields for the open database and edition; keepLabels leaves the texts as they are.
    void SetupFields(bool keepLabels);
    // The checks before saving; shows what fails and answers false.
    bool Validate();
    void ReadWindowGeometry();
    void WriteWindowGeometry();

signals:
    // Another item is shown (navigation, a search hit).
    void itemShown(Item* item);

public slots:
    void ShowValidateError(const QString& text);
    bool ShowPage(const QString& page);
    void showItem(Item* item);
    void delete_slot();
    void resetAllFields(bool SeachMode);
    void resetAllFields();
    void accept() override;
    virtual void browsePhoto_slot();
    virtual void copy_slot();
    virtual void help_slot();
    virtual void newItem_slot();
    virtual void countChanged_slot();
    virtual bool save_slot();
    virtual void seach_slot();
    virtual void showPhoto_slot();
    virtual void print_Slot();
    virtual void browseReceipt_slot();
    virtual void showReceipt_slot();
    virtual void showWww_slot();
    virtual void wwwFieldChanged_slot();
    virtual void photoFieldChangedSlot();
    virtual void receiptFieldChangedSlot();
    virtual void currentPageChangedSlot(QWidget* page);
    virtual void PreviousSlot();
    virtual void NextSlot();
    virtual void ResetSlot();
    virtual void ShowDocumentSlot();
    virtual void InsertDocumentSlot();
    virtual void documentChangedSlot();
    virtual void ShowAsHTMLSlot();
    virtual void SearchAgainSlot();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts the fields' values into an item (the total price shows its total).
    void readFields(Item* item);
    void installValidators();
    void applyButtonStates();
    void enterEditState();
    void showNeighbour(bool forward);
    void setPageEnabled(QWidget* page, bool enabled);
    // Deletes the new item the dialog owns (an unsaved new item or copy) before another takes its place.
    void dropNewItem();
    // Save as a new item (true), or discard it (the dialog closes) or think again (false).
    bool saveDeletedAsNew();
    void reportRefusedPaste(const QString& text, int position);
    QString linkPathOrComplain(const QString& chosen);

    // Pictures.
    void ShowThumbnail();
    void ClearPicture();
    void ClearReceipt();
    static QPixmap loadPicture(const QString& path);
    static void FitPixmap(const QPixmap& picture, QLabel* label);

    // Search.
    SearchCriteria criteriaFromFields() const;
    void ShowSearchResult();

    DBItemCollection* mCollection;
    Item* mCurrentItem = nullptr;
    bool mIsNewItem = false;
    bool mDeletedElsewhere = false; // the new item is what was shown of one deleted elsewhere
    // The date the shown item came with; its stored text is kept unless the user picks another date.
    QDate mShownDate;
    QWidget* mCurrentPage = nullptr;
    QString mWwwProgram;
    QString mPictureViewerProgram;
    SearchCriteria mCriteria;

    QPixmap mPicture;        // the picture page's picture
    QPixmap mThumbnail;      // the data page's thumbnail, as loaded
    QPixmap mReceiptPicture; // the receipt page's picture

    // The stored item as the fields last showed it: what an edit started from.
    Item mShownItem;
    State mState = State::Edit;
    bool mSearchAgainAvailable = false;
    bool mPreviousAtEdge = false;
    bool mNextAtEdge = false;
};
