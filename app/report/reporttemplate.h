#pragma once

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

// The layout of one printed report: page settings and a list of bands, each
// band holding the objects printed when the band is. All measurements are in
// millimetres, relative to the band's top left corner (inside the margins).
//
// A text object's text may hold expressions in square brackets:
//   [frxDBDataSet1.F_name]   a field of the first data set ("frxDM", "master"
//                            and a quoted field name work too);
//   [frxDBDataSet2.F_price]  a field of the second data set ("frxDD", "detail");
//   [memDate]                a named variable handed over by the window;
//   [SUM(detail.F_price)]    sum of a field (over the current master's detail
//                            rows inside a detail band, else over all rows);
//   [COUNT(master)]          number of rows;
//   [Line]                   number of the row within its data band;
//   [Page], [TotalPages], [Date] (today, yyyy-MM-dd), [Time];
//   "[[" prints a single "[".

struct ReportItem {
    enum class Kind { Text, Line, Rect };
    enum Frame { NoFrame = 0, FrameLeft = 1, FrameTop = 2, FrameRight = 4, FrameBottom = 8,
                 FrameAll = 15 };

    QString name;
    Kind kind = Kind::Text;
    double x = 0, y = 0, width = 30, height = 6;
    QString text;
    QString fontFamily = QStringLiteral("WenQuanYi Zen Hei");
    double fontSize = 10;            // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int frame = NoFrame;             // sides, Frame flags
    double frameWidth = 0.2;         // mm
    bool wordWrap = true;
    bool stretch = false;            // grows with its text, and its band with it
    QString displayFormat;           // number notation for numeric values
    QColor textColor = Qt::black;
    QColor background;               // invalid: transparent
};

struct ReportBand {
    enum class Type {
        ReportTitle,   // once, at the top of the first page
        PageHeader,    // at the top of every page
        ColumnHeader,  // above the data on every page
        MasterData,    // once per row of the first data set
        DetailHeader,  // before the detail rows of each master row
        DetailData,    // once per detail row
        DetailFooter,  // after the detail rows of each master row
        ReportSummary, // once, after all data
        PageFooter     // at the bottom of every page
    };

    Type type = Type::MasterData;
    double height = 8;
    QList<ReportItem> items;
};

class ReportTemplate {
public:
    ReportTemplate();

    // A4 portrait with 10 mm margins and no bands: the layout a missing
    // template starts from.
    static ReportTemplate empty();

    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};
    QList<ReportBand> bands;

    QPageLayout pageLayout() const;
    void setPageLayout(const QPageLayout &layout);
    // Width and height of the printable area between the margins, in mm.
    double contentWidth() const;
    double contentHeight() const;

    // The first band of the type, or nullptr.
    const ReportBand *band(ReportBand::Type type) const;

    static QString typeName(ReportBand::Type type);
    static QString typeCaption(ReportBand::Type type);
    static bool typeFromName(const QString &name, ReportBand::Type *type);
    static QList<ReportBand::Type> allTypes();
};
