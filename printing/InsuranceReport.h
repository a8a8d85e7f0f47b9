#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class DBItemCollection;
class Item;
class QIODevice;
class QObject;
class QPdfWriter;

// What the user chooses for an insurance report. The owner's details and the last choices are kept in the
// settings store under "Insurance/..." (app/AppSettings.h).
struct InsuranceOptions {
    enum Scope { WholeRegister, FilterHits, OneLocation, OneGroup };
    enum Order { ByLocation, ByGroup };

    QString ownerName;
    QString ownerAddress; // may hold line breaks
    QString insurer;
    QString policyNumber;
    Scope scope = WholeRegister;
    int scopeNumber = 0; // the location or group of OneLocation and OneGroup
    Order order = ByLocation;
    bool photos = true;
    bool receipts = true;

    // Not kept: set by whoever makes the report.
    QString registerName;
    QDate date = QDate::currentDate();
    QLocale locale;
    // Relative links that do not name a file from the working directory are looked for here (the register's
    // folder).
    QString linkFolder;
};

// The insurance report as one PDF: a cover page with the owner and the totals, a contents page, one section
// per room (location) or group with every item, its photo and receipt and the section's subtotals, and a
// footer "page N of M" on every page. The pages are laid out twice, first only counted, so that every footer
// knows the number of pages and the contents page the first page of each section.
class InsuranceReport {
    Q_DECLARE_TR_FUNCTIONS(InsuranceReport)
public:
    // Called after every page made with the page and the number of pages; while the pages are still being
    // counted, now and then with (0, 0). Returning false cancels the report.
    using Progress = std::function<bool(int page, int pages)>;

    // Longest side of a picture in the report, in pixels.
    static constexpr int MaxPictureSide = 600;

    struct Totals {
        int items = 0;
        int pieces = 0;
        double purchase = 0.0; // price × count (the price alone where pieces are not counted)
        double today = 0.0;
        void add(const Item& item);
    };
    struct Section {
        int number = 0; // the location or group number
        QString name;
        std::vector<const Item*> items;
        Totals totals;
        int firstPage = 0; // known once laid out
    };

    // The items a scope takes from the register; FilterHits takes filterHits (the list filter's hits).
    static std::vector<const Item*> ItemsInScope(const DBItemCollection& collection, const InsuranceOptions& options,
                                                 const std::vector<const Item*>& filterHits = {});
    // Where pieces are counted (every edition but the one of photographs, whose count means nothing).
    static bool CountsPieces();

    InsuranceReport(const DBItemCollection& collection, const std::vector<const Item*>& items,
                    InsuranceOptions options);
    ~InsuranceReport();

    // Writes the PDF onto an open device. False when cancelled or when painting failed.
    bool Write(QIODevice* device, const Progress& progress = Progress());
    // Writes the file through the save routine. A cancelled or failed report leaves no new file and an
    // earlier file of that name as it was; a failure (not a cancel) is shown in a box.
    bool WriteFile(const QString& path, const Progress& progress = Progress(), QObject* boxParent = nullptr);

    bool Cancelled() const { return m_cancelled; }
    QString ErrorString() const { return m_error; }
    int Pages() const { return m_pages; }
    // Pictures placed in the PDF (photos and receipts).
    int Pictures() const { return m_pictures; }
    const Totals& GrandTotals() const { return m_totals; }
    const std::vector<Section>& Sections() const { return m_sections; }
    // The title of the report in the user's language, also the PDF's title.
    static QString Title();

private:
    class Pass;
    // One run over every page; counting only when painter is null. False when cancelled.
    bool run(Pass& pass);

    const DBItemCollection& m_collection;
    InsuranceOptions m_options;
    std::vector<Section> m_sections;
    std::vector<std::pair<QString, int>> m_picturesToDraw; // path and JPEG quality, in the order drawn
    Totals m_totals;
    int m_pages = 0;
    int m_pictures = 0;
    bool m_cancelled = false;
    QString m_error;
};
