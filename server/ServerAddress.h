#pragma once

#include <QString>

// Where a register on a PostgreSQL server lives. A value: the window's dialog fills it, the recent list keeps
// its Url() (which never holds a password), the bench builds it from a libpq conninfo string.
//
// The password is never kept beyond the connection attempt and never written anywhere: when it is empty,
// libpq finds one by its usual means (~/.pgpass, PGPASSFILE, PGPASSWORD) or the server needs none.
struct ServerAddress {
    QString host; // a name, an address, or a folder holding the server's Unix socket
    int port = 5432;
    QString database;
    QString user;
    QString password;
    // Further libpq keywords, "key=value" separated by ";" (sslmode=require;connect_timeout=3).
    QString options;

    bool IsValid() const { return !database.isEmpty(); }

    // Reads "host=/tmp/pg port=5433 dbname=stock user=clerk" (libpq's keyword form, values optionally in
    // single quotes with \' and \\ inside) or a "postgresql://user@host:port/database" address. Unknown
    // keywords go to options; a password given there is taken for this connection only.
    static ServerAddress FromConnInfo(const QString& text, QString* error = nullptr);
    // Whether the text is a "postgresql://" (or "postgres://") address rather than keywords or a file's path.
    static bool IsUrl(const QString& text);
    // "postgresql://user@host:port/database" without the password: what the recent list remembers.
    QString Url() const;
    // "database on host" for captions and the status bar.
    QString DisplayName() const;

    bool operator==(const ServerAddress& other) const {
        return host == other.host && port == other.port && database == other.database && user == other.user &&
               options == other.options;
    }
    bool operator!=(const ServerAddress& other) const { return !(*this == other); }
};
