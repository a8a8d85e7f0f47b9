#pragma once

#include "core/Item.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include <vector>

class DBItemCollection;

// The undoable changes of the items. Each command changes the collection only (the views follow its
// announcements) and keeps what it needs to take the change back: an item out of the collection (deleted,
// or added and undone) belongs to its command and is destroyed with it. Their texts name the item, for the
// Edit menu's "Undo …" and "Redo …".
namespace ItemCommands {
// How a command's text names an item: its name in quotes, else its product; long names are cut.
QString Label(const Item& item);
// The Edit menu's words before a command's text: "&Fortryd sletning af 'Stol'", "Gen&tag …".
QString UndoPrefix();
QString RedoPrefix();
// Whether two items hold the same fields (the list's bookkeeping aside).
bool SameContent(const Item& a, const Item& b);
// An item and the version of it that a command's own last write left on a server.
struct Stamp {
    const Item* item;
    int version;
};
} // namespace ItemCommands

// What the item commands share: an undo or a redo that changes or takes out items already on a server must find
// them as the command's own last write left them, or it would overwrite another workstation's later change.
class ItemCommand : public QUndoCommand {
public:
    // The items the undo (or the redo) would change or take out, with the versions expected; empty when there is
    // nothing to check (a file register, or items the step puts back).
    virtual std::vector<ItemCommands::Stamp> Expected(bool undo) const = 0;

protected:
    explicit ItemCommand(DBItemCollection* collection) : m_collection(collection) {}
    // The item's version now, or nothing to check when it has none.
    std::vector<ItemCommands::Stamp> stamp(const Item* item, int version) const;
    DBItemCollection* m_collection;
};

// A new item, or a copy, put into the collection. Until the first redo the command owns the item.
class AddItemCommand : public ItemCommand {
    Q_DECLARE_TR_FUNCTIONS(AddItemCommand)
public:
    enum Kind { Add, Copy };
    AddItemCommand(DBItemCollection* collection, Item* item, Kind kind = Add);
    ~AddItemCommand() override;
    void redo() override;
    void undo() override;
    std::vector<ItemCommands::Stamp> Expected(bool undo) const override;

private:
    Item* m_item;
    int m_index = -1; // where it stands in the sequence, the end at first
    bool m_owned = true;
    int m_version = 0; // left by the last redo
};

// An item taken out of the collection; kept by the command, so undo puts the same item back in its place.
class DeleteItemCommand : public ItemCommand {
    Q_DECLARE_TR_FUNCTIONS(DeleteItemCommand)
public:
    DeleteItemCommand(DBItemCollection* collection, Item* item);
    ~DeleteItemCommand() override;
    void redo() override;
    void undo() override;
    Item* DeletedItem() const { return m_item; }
    std::vector<ItemCommands::Stamp> Expected(bool undo) const override;

private:
    Item* m_item;
    int m_index = -1;
    bool m_owned = false;
    int m_version = 0; // left by the last undo
};

// An item's fields changed in place, a move to another group among them. Pushed after the change: the item
// already holds the new fields; `before` is a copy taken before the change.
class EditItemCommand : public ItemCommand {
    Q_DECLARE_TR_FUNCTIONS(EditItemCommand)
public:
    EditItemCommand(DBItemCollection* collection, Item* item, const Item& before);
    void redo() override;
    void undo() override;
    std::vector<ItemCommands::Stamp> Expected(bool undo) const override;

private:
    void show(const Item& fields, const Item& from);
    Item* m_item;
    Item m_before;
    Item m_after;
    bool m_firstRedo = true; // the first redo only announces the change already made
    int m_version = 0;       // left by the last redo or undo
};

// Many items added as one step (a CSV import, pre-created items). The command owns them while they are out.
class AddItemsCommand : public ItemCommand {
public:
    AddItemsCommand(DBItemCollection* collection, std::vector<Item*> items, const QString& text);
    ~AddItemsCommand() override;
    void redo() override;
    void undo() override;
    const std::vector<Item*>& Items() const { return m_items; }
    std::vector<ItemCommands::Stamp> Expected(bool undo) const override;

private:
    std::vector<Item*> m_items;
    bool m_owned = true;
    std::vector<int> m_versions; // left by the last redo
};
