#include "mainwindow/ServerDialogs.h"

#include "core/ColumnNames.h"
#include "core/Dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

ServerConnectionDialog::ServerConnectionDialog(const QString& title, const ServerAddress& suggested, QWidget* parent)
    : QDialog(parent), mOptions(suggested.options) {
    setObjectName(QStringLiteral("ServerConnectionDialog"));
    setWindowTitle(title);
    auto* form = new QFormLayout;
    mHost = new QLineEdit(suggested.host, this);
    mHost->setObjectName(QStringLiteral("hostEdit"));
    mHost->setPlaceholderText(tr("tom: denne computer"));
    mPort = new QSpinBox(this);
    mPort->setObjectName(QStringLiteral("portSpin"));
    mPort->setRange(1, 65535);
    mPort->setValue(suggested.port);
    mDatabase = new QLineEdit(suggested.database, this);
    mDatabase->setObjectName(QStringLiteral("databaseEdit"));
    mUser = new QLineEdit(suggested.user, this);
    mUser->setObjectName(QStringLiteral("userEdit"));
    // A password is never suggested: it is not kept anywhere to suggest it from.
    mPassword = new QLineEdit(this);
    mPassword->setObjectName(QStringLiteral("passwordEdit"));
    mPassword->setEchoMode(QLineEdit::Password);
    mPassword->setPlaceholderText(tr("tom: fra ~/.pgpass"));
    form->addRow(tr("&Server:"), mHost);
    form->addRow(tr("&Port:"), mPort);
    form->addRow(tr("&Database:"), mDatabase);
    form->addRow(tr("&Bruger:"), mUser);
    form->addRow(tr("&Adgangskode:"), mPassword);
    auto* note = new QLabel(tr("Adgangskoden bruges kun til denne forbindelse og gemmes ingen steder."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("F&orbind"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Fortryd"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    if (suggested.database.isEmpty())
        mHost->setFocus();
    else
        mPassword->setFocus();
}

ServerAddress ServerConnectionDialog::Address() const {
    ServerAddress address;
    address.host = mHost->text().trimmed();
    address.port = mPort->value();
    address.database = mDatabase->text().trimmed();
    address.user = mUser->text().trimmed();
    address.password = mPassword->text();
    address.options = mOptions;
    return address;
}

bool ServerConnectionDialog::Ask(QWidget* parent, const QString& title, const ServerAddress& suggested,
                                 ServerAddress* address) {
    ServerConnectionDialog dialog(title, suggested, parent);
    if (Dialogs::exec(&dialog, [&dialog] { return dialog.exec(); }) != QDialog::Accepted)
        return false;
    *address = dialog.Address();
    if (!address->IsValid()) {
        Dialogs::warning(parent, title, tr("Skriv navnet på databasen på serveren."));
        return false;
    }
    return true;
}

EditConflictDialog::EditConflictDialog(const QString& itemLabel, const std::vector<EditConflict::Field>& fields,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("EditConflictDialog"));
    setWindowTitle(tr("Ændret på en anden arbejdsplads"));
    auto* intro = new QLabel(tr("%1 er ændret på en anden arbejdsplads, mens du rettede den. Intet er overskrevet. "
                                "Felterne med * er forskellige.")
                                 .arg(itemLabel),
                             this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    auto* table = new QTableWidget(static_cast<int>(fields.size()), 3, this);
    table->setObjectName(QStringLiteral("conflictTable"));
    table->setHorizontalHeaderLabels({tr("Felt"), tr("Din udgave"), tr("Den anden arbejdsplads")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    for (int row = 0; row < int(fields.size()); ++row) {
        const EditConflict::Field& field = fields[size_t(row)];
        const QString caption = ColumnNames::Title(field.column);
        const QStringList cells{field.differs ? QStringLiteral("* ") + caption : caption, field.mine, field.theirs};
        for (int column = 0; column < cells.size(); ++column) {
            auto* cell = new QTableWidgetItem(cells.at(column));
            if (field.differs) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            table->setItem(row, column, cell);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(this);
    struct Button {
        const char* name;
        QString text;
        EditConflict::Choice choice;
    };
    const Button kinds[] = {{"keepTheirsButton", tr("Behold &deres"), EditConflict::Choice::KeepTheirs},
                            {"keepMineButton", tr("Behold &min"), EditConflict::Choice::KeepMine},
                            {"editAgainButton", tr("&Ret igen"), EditConflict::Choice::EditAgain}};
    for (const Button& kind : kinds) {
        QPushButton* button = buttons->addButton(kind.text, QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(kind.name));
        const int result = ResultOf(kind.choice);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        if (kind.choice == EditConflict::Choice::EditAgain)
            button->setDefault(true);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(640, 420);
}

EditConflict::Choice EditConflictDialog::Ask(QWidget* parent, const QString& itemLabel,
                                             const std::vector<EditConflict::Field>& fields) {
    EditConflictDialog dialog(itemLabel, fields, parent);
    const int result = Dialogs::exec(&dialog, [&dialog] { return dialog.exec(); });
    // A dialog closed without a choice (Escape, the window's cross, no display) edits again.
    for (auto choice : {EditConflict::Choice::KeepTheirs, EditConflict::Choice::KeepMine})
        if (result == ResultOf(choice))
            return choice;
    return EditConflict::Choice::EditAgain;
}
