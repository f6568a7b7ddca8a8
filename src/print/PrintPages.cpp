#include "print/PrintPages.h"

#include <span>

#include "widgets/Dialogs.h"
#include "text/CodePage.h"

namespace d7 {

namespace {

// The page is encoded line by line, so a long table never needs a second
// copy of the whole page in memory.
class PageText {
public:
    void line(const QString &text) {
        m_bytes += EncodeForMarkup(CodePage::Windows1253, text);
        m_bytes += "\r\n";
    }
    void lines(std::initializer_list<const char *> texts) {
        for (const char *text : texts)
            line(QString::fromUtf8(text));
    }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

// Typed text stays text: it cannot open a tag or an entity of its own.
QString Escaped(const QString &value) {
    if (!value.contains(u'&') && !value.contains(u'<') && !value.contains(u'>'))
        return value;
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'>')
            out += QLatin1String("&gt;");
        else
            out += c;
    }
    return out;
}

QString Cell(const QString &content) {
    return QLatin1String("<td class=\"style2\">") + content + QLatin1String("</td>");
}

// A value followed by a blank, so that an empty value still draws its border.
QString ValueCell(const QString &value) { return Cell(Escaped(value) + QLatin1String("&nbsp;")); }

QString StoredCell(const QVariant &value) {
    return value.isNull() ? Cell(QStringLiteral("&nbsp;")) : ValueCell(value.toString());
}

QString Row(const QString &cells) { return QLatin1String("<tr>") + cells + QLatin1String("</tr>"); }

QString ValueCells(const QStringList &values) {
    QString cells;
    for (const QString &v : values)
        cells += ValueCell(v);
    return cells;
}

struct Heading {
    const char *text;
    int width = 0;
    int rowSpan = 1;
    int colSpan = 1;
    bool bold = false;
};

QString HeadingCells(std::span<const Heading> headings) {
    QString cells;
    for (const Heading &h : headings) {
        cells += QLatin1String("<td");
        if (h.rowSpan > 1)
            cells += QStringLiteral(" rowspan=\"%1\"").arg(h.rowSpan);
        if (h.colSpan > 1)
            cells += QStringLiteral(" colspan=\"%1\"").arg(h.colSpan);
        if (h.width > 0)
            cells += QStringLiteral(" width=\"%1\"").arg(h.width);
        const QString text = QString::fromUtf8(h.text);
        cells += QLatin1String(" class=\"style2\">") +
                 (h.bold ? QLatin1String("<strong>") + text + QLatin1String("</strong>") : text) +
                 QLatin1String("</td>");
    }
    return cells;
}

// Both pages carry the same script against the context menu.
void WriteHead(PageText &page, const QString &title, const char *fontSize) {
    page.lines({"<html>", "<head>", R"(<meta http-equiv="Content-Type" content="text/html; charset=windows-1253">)"});
    page.line(QLatin1String("<title>") + title + QLatin1String("</title>"));
    page.lines({R"(<script type="text/javascript" language="JavaScript">)",
                "<!--",
                R"(var message = "Function Disabled!";)",
                "function refuseRightButton(e) {",
                "  var button = e ? e.which : window.event.button;",
                "  if (button == 2 || button == 3) { alert(message); return false; }",
                "  return true;",
                "}",
                "document.onmousedown = refuseRightButton;",
                "document.oncontextmenu = function () { alert(message); return false; };",
                "// -->",
                "</script>",
                R"(<style type="text/css">)",
                "<!--"});
    page.line(QLatin1String(".style2 {font-size: ") + QLatin1String(fontSize) + QLatin1String("}"));
    page.lines({"-->", "</style>", "</head>", "<body>"});
}

const char *const kPersonTable = R"(<table width="600" border="1">)";

void WritePersonTable(PageText &page, std::span<const Heading> headings, const QString &code,
                      const QStringList &values) {
    page.line(QString::fromUtf8(kPersonTable));
    page.line(Row(HeadingCells(headings)));
    page.line(Row((code.isEmpty() ? QString() : Cell(code)) + ValueCells(values)));
    page.line(QStringLiteral("</table>"));
}

void WriteCaption(PageText &page, const char *caption) {
    page.line(QLatin1String("<br>") + QString::fromUtf8(caption) + QLatin1String("<br>"));
}

// The address cell joins the street and, when there is one, the number; with
// no street there is no address at all.
constexpr int kAddress = -1;
constexpr int kStreetPosition = 5;
constexpr int kNumberPosition = 7;

QString AddressCell(const StoredRow &row) {
    const QVariant street = row.value(kStreetPosition);
    if (street.isNull())
        return StoredCell(street);
    const QVariant number = row.value(kNumberPosition);
    return ValueCell(number.isNull() ? street.toString() : street.toString() + u' ' + number.toString());
}

// One print table: its two heading rows, then one row per stored row: the
// identity number left to the tax office, the ordinal, then the printed
// columns by position.
struct PrintTable {
    std::span<const Heading> firstHeadings;
    std::span<const Heading> secondHeadings;
    std::span<const int> printedPositions;
};

// False when proceed, told the share of all rows written, said to stop.
bool WritePrintTable(PageText &page, const PrintTable &table, const QList<StoredRow> &rows, const Proceed &proceed) {
    page.line(QStringLiteral(R"(<table width="100%" border="1" cellpadding="0" cellspacing="0">)"));
    const QString headingRow = QStringLiteral(R"(<tr bgcolor="#CCFFFF" align="center">)");
    page.line(headingRow + HeadingCells(table.firstHeadings) + QLatin1String("</tr>"));
    page.line(headingRow + HeadingCells(table.secondHeadings) + QLatin1String("</tr>"));
    int ordinal = 0;
    for (const StoredRow &row : rows) {
        QString line = QLatin1String(" <tr>") + Cell(QStringLiteral("&nbsp;")) + Cell(QString::number(++ordinal));
        for (int position : table.printedPositions)
            line += position == kAddress ? AddressCell(row) : StoredCell(row.value(position));
        page.line(line + QLatin1String("</tr>"));
        if (proceed && ordinal % 256 == 0 && !proceed(double(ordinal) / rows.size()))
            return false;
    }
    page.line(QStringLiteral("</table>"));
    return true;
}

const Heading kTable1FirstHeadings[] = {
    {"ΑΡ.<BR>ΤΑΥΤ.<BR>ΑΚΙΝ.<BR>(*)", 0, 2, 1, false},
    {"Α/A", 30, 2, 1, false},
    {"ΔΙΕΥΘΥΝΣΗ ΑΚΙΝΗΤΟΥ", 0, 1, 4, true},
    {"ΥΠΟΛΟΙΠΟΙ ΔΡΟΜΟΙ ΟΙΚΟΔΟΜΙΚΟΥ ΤΕΤΡΑΓΩΝΟΥ<BR>ΠΡΟΣΟΨΕΙΣ", 0, 1, 6, true},
    {"ΑΡ.<BR>ΟΙΚ.<BR>ΤΕΤ.", 50, 2, 1, false},
    {"ΚΑΤ.<BR>ΑΚΙ-<BR>ΝΗ-<BR>ΤΟΥ", 50, 2, 1, false},
    {"ΕΙΔ.<BR>ΣΥΝ.", 50, 2, 1, false},
    {"ΟΡΟ<BR>ΦΟΣ", 50, 2, 1, false},
    {"ΚΤΙΣΜΑ", 0, 1, 6, true},
    {"ΟΙΚΟΠΕΔΟ", 0, 1, 4, true},
    {"ΣΥΝ.<BR>ΕΠΙΦΑΝ.<BR>ΚΤΙ-<BR>ΣΜΑΤΩΝ<BR>ΣΤΟ<BR>ΟΙΚ/ΔΟ", 50, 2, 1, false},
    {"ΚΩΔ.<BR>ΑΡ.<BR>ΙΔ.", 50, 2, 1, false},
    {"ΚΩΔ.<BR>ΜΕΤ/<BR>ΛΗΣ", 50, 2, 1, false},
};
const Heading kTable1SecondHeadings[] = {
    {"ΝΟΜΟΣ", 50},
    {"ΔΗΜΟΣ / ΔΙΑΜ. ή ΚΟΙΝΟΤΗΤΑ", 50},
    {"ΟΔΟΣ -<BR>ΑΡΙΘΜΟΣ", 50},
    {"Π.", 0},
    {"ΟΔΟΣ", 50},
    {"Π.", 0},
    {"ΟΔΟΣ", 50},
    {"Π.", 0},
    {"ΟΔΟΣ", 50},
    {"Π.", 0},
    {"ΚΥΡΙΟΙ<BR>ΧΩΡΟΙ", 0},
    {"ΒΟΗΘ/<BR>ΚΟΙ<BR>ΧΩΡΟΙ", 0},
    {"ΕΤΟΣ<BR>ΚΑΤ/<BR>ΥΗΣ", 0},
    {"ΕΙΔΟΣ<BR>ΕΜΠ/<BR>ΤΟΥ<BR>ΔΙΚ/<BR>ΤΟΣ", 0},
    {"ΠΟΣ.<BR>ΣΥΝ/<BR>ΣΙΑΣ<BR>%", 0},
    {"ΕΤΟΣ<BR>ΓΕΝ.<BR>ΕΠΙΚ/<BR>ΠΩΤΗ", 0},
    {"ΕΠΙΦΑ-<BR>ΝΕΙΑ", 0},
    {"ΕΙΔΟΣ<BR>ΕΜΠ/<BR>ΤΟΥ<BR>ΔΙΚ/<BR>ΤΟΣ", 0},
    {"ΠΟΣ<BR>ΣΥΝ/<BR>ΣΙΑΣ<BR>%", 0},
    {"ΕΤΟΣ<BR>ΓΕΝ.<BR>ΕΠΙΚ/<BR>ΠΩΤΗ", 0},
};
const Heading kTable2FirstHeadings[] = {
    {"ΑΡ.<BR>ΤΑΥΤ.<BR>ΑΚΙΝ.<BR>(*)", 0, 2, 1, false},
    {"Α/A", 30, 2, 1, false},
    {"ΔΙΕΥΘΥΝΣΕΙΣ ΑΚΙΝΗΤΩΝ", 0, 1, 3, true},
    {"ΠΡΟ-<BR>ΣΟΨΗ ΣΕ ΟΔΟ", 30, 2, 1, false},
    {"ΑΠΟ-<BR>ΣΤΑΣΗ ΑΠΟ ΘΑΛ.", 30, 2, 1, false},
    {"ΑΠΑΛ-<BR>ΛΟΤΡΙ-<BR>ΩΤΕΑ", 50, 2, 1, false},
    {"ΑΡΔΕΥ-<BR>ΟΜΕΝΗ", 50, 2, 1, false},
    {"ΕΠΙΦΑΝΕΙΑ ΣΕ ΤΕΤΡΑΓΩΝΙΚΑ ΜΕΤΡΑ", 0, 1, 7, true},
    {"ΣΥΝ.<BR>ΕΠΙΦΑΝ.<BR>ΚΤΙ-<BR>ΣΜΑΤΩΝ<BR>ΣΤΟ<BR>ΑΓΡ/ΧΙΟ", 50, 2, 1, false},
    {"ΕΙΔΟΣ<BR>ΕΜΠ/<BR>ΤΟΥ<BR>ΔΙΚ/<BR>ΤΟΣ", 0, 2, 1, false},
    {"ΠΟΣ<BR>ΣΥΝ/<BR>ΣΙΑΣ<BR>%", 0, 2, 1, false},
    {"ΕΤΟΣ<BR>ΓΕΝ.<BR>ΕΠΙΚ/<BR>ΠΩΤΗ", 0, 2, 1, false},
    {"ΚΩΔ.<BR>ΑΡ.<BR>ΙΔ.", 50, 2, 1, false},
    {"ΚΩΔ.<BR>ΜΕΤ/<BR>ΛΗΣ", 50, 2, 1, false},
};
const Heading kTable2SecondHeadings[] = {
    {"ΝΟΜΟΣ", 50},
    {"ΔΗΜΟΣ  / ΔΙΑΜ. ή ΚΟΙΝΟΤΗΤΑ", 50},
    {"ΟΔΟΣ- ΑΡΙΘΜΟΣ ή ΘΕΣΗ", 50},
    {"ΜΟΝΟΕΤΗΣ ΚΑΛΛΙΕΡΓΕΙΑ", 50},
    {"ΠΟΛΥΕΤΗΣ ΕΛΙΕΣ", 50},
    {"ΠΟΛΥΕΤΗΣ ΛΟΙΠΕΣ", 50},
    {"ΒΟΣΚΟ<BR>ΤΟΠΟΣ", 50},
    {"ΔΑΣΙΚΗ<BR>ΕΚΤΑΣΗ", 50},
    {"ΜΕΤΑΛ. ή<BR>ΛΑΤΟΜ.", 0},
    {"ΥΠ. ΕΚΘΕΣΗ<BR>ή ΧΩΡΟΣ <BR>ΣΤΑΘΜ.", 50},
};
// Positions 2, 4, 6, 10, 13, 16 and 34 (codes and the owner's description) are not printed.
const int kTable1Positions[] = {1,  3,  kAddress, 8,  9,  11, 12, 14, 15, 17, 18, 19, 20, 21,
                                22, 23, 24,       25, 26, 27, 28, 29, 30, 31, 32, 33, 35};
// Positions 2, 4, 6 and 24 are not printed.
const int kTable2Positions[] = {1, 3, kAddress, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25};
const PrintTable kTable1 = {kTable1FirstHeadings, kTable1SecondHeadings, kTable1Positions};
const PrintTable kTable2 = {kTable2FirstHeadings, kTable2SecondHeadings, kTable2Positions};

const Heading kTaxpayerHeadings[] = {
    {"ΚΩΔ.ΑΡ. ΙΔΙΟ- ΚΤΗΤΗ", 30}, {"ΕΠΩΝΥΜΟ ή ΕΠΩΝΥΜΙΑ"}, {"ΟΝΟΜΑ"}, {"ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"}, {"ΑΦΜ"}};
const Heading kSpouseHeadings[] = {{"ΚΩΔ.ΑΡ. ΙΔΙΟ- ΚΤΗΤΗ", 30},
                                   {"ΕΠΩΝΥΜΟ (όπως αναγράφεται στην ταυτότητα)"},
                                   {"ΟΝΟΜΑ"},
                                   {"ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"},
                                   {"ΑΡΙΘΜ. ΤΑΥΤΟΤΗΤΑΣ"},
                                   {"ΑΦΜ", 50}};
const Heading kChildHeadings[] = {{"ΚΩΔ.ΑΡ. ΙΔΙΟ- ΚΤΗΤΗ", 30},
                                  {"ΕΠΩΝΥΜΟ "},
                                  {"ΟΝΟΜΑ"},
                                  {"ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"},
                                  {"ΑΡΙΘΜ. ΤΑΥΤΟ- ΤΗΤΑΣ", 50},
                                  {"ΕΤΟΣ ΓΕΝΝΗΣ.", 50},
                                  {"ΑΦΜ", 50}};
const Heading kRepresentativeHeadings[] = {{"ΙΔΙΟΤΗΤΑ"}, {"ΕΠΩΝΥΜΟ "}, {"ΟΝΟΜΑ"}, {"ΑΡΙΘΜ. ΤΑΥΤΟΤΗΤΑΣ"}, {"ΑΦΜ"}};

}  // namespace

QByteArray GeneralDataPage(const GeneralDataValues &values) {
    PageText page;
    WriteHead(page, QString(), "11");
    page.line(kAuthorityName + QLatin1String("<br>"));
    page.line(kAuthorityDepartment + QLatin1String("<br>"));
    page.lines({"<p><strong>D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ που υπάρχουν την 1η Ιανουαρίου 2005</strong>", "</p>"});

    page.line(QStringLiteral(R"(<table width="600" border="1" cellpadding="0" cellspacing="0">)"));
    page.line(Row(Cell(QStringLiteral("Προς τη Δ.Ο.Υ.:")) + ValueCells({values.taxOfficeName, values.taxOfficeCode}) +
                  Cell(QStringLiteral("ΕΙΔΟΣ ΔΗΛΩΣΗΣ:")) + ValueCell(values.declarationType)));
    page.line(Row(Cell(QStringLiteral("ΑΡΙΘΜΟΣ ΦΑΚΕΛΛΟΥ: *")) + Cell(QString()) + Cell(QStringLiteral("&nbsp;")) +
                  Cell(QStringLiteral("ΑΡΙΘΜΟΣ ΔΗΛΩΣΗΣ: *")) + Cell(QStringLiteral("&nbsp;"))));
    page.line(QStringLiteral("</table>"));

    WriteCaption(page, "ΣΤΟΙΧΕΙΑ ΤΟΥ ΥΠΟΧΡΕΟΥ(Με κεφαλαία)");
    WritePersonTable(page, kTaxpayerHeadings, QStringLiteral("1."), values.taxpayer);

    WriteCaption(page, "ΣΤΟΙΧΕΙΑ ΤΗΣ ΣΥΖΥΓΟΥ (Με κεφαλαία)");
    WritePersonTable(page, kSpouseHeadings, QStringLiteral("2."), values.spouse);

    page.line(QStringLiteral("<br>ΣΤΟΙΧΕΙΑ ΠΡΟΣΤΑΤΕΥΟΜΕΝΩΝ ΤΕΚΝΩΝ ΠΟΥ ΕΧΟΥΝ<br>"));
    page.line(QStringLiteral("ΟΠΟΙΟΔΗΠΟΤΕ ΕΜΠΡΑΓΜΑΤΟ ΔΙΚΑΙΩΜΑ ΣΕ ΑΚΙΝΗΤΟ<br>"));
    page.line(QString::fromUtf8(kPersonTable));
    page.line(Row(HeadingCells(kChildHeadings)));
    // Code numbers 1 and 2 are the person liable and the spouse; children follow.
    int code = 2;
    for (const StoredRow &child : values.children) {
        QString cells = Cell(QString::number(++code) + u'.');
        for (int position = 1; position <= 6; ++position)
            cells += StoredCell(child.value(position));
        page.line(Row(cells));
    }
    page.line(QStringLiteral("</table>"));

    WriteCaption(page, "ΣΤΟΙΧΕΙΑ ΝΟΜΙΜΟΥ ΕΚΠΡΟΣΩΠΟΥ ή ΑΝΤΙΚΛΗΤΟΥ");
    WritePersonTable(page, kRepresentativeHeadings, QString(), values.representative);

    WriteCaption(page, "ΣΗΜΕΙΩΣΕΙΣ ΦΟΡΟΛΟΓΟΥΜΕΝΟΥ");
    page.line(QStringLiteral(R"(<font class="style2">)"));
    // Each line of the notes as typed, ending in a line break so that it
    // prints as a line of its own.
    const QStringList notes = values.notes.split(u'\n');
    for (qsizetype i = 0; i < notes.size(); ++i)
        page.line(Escaped(notes[i]) + (i + 1 < notes.size() ? QStringLiteral("<br>") : QString()));
    page.line(QStringLiteral("</font>"));
    page.lines({R"(<p class="style2">* Όσα τετραγωνίδια έχουν αστερίσκο θα συμπληρωθούν από την υπηρεσία</p>)",
                "</body></html>"});
    return page.take();
}

QByteArray TablesPage(const QList<StoredRow> &table1Rows, const QList<StoredRow> &table2Rows,
                      const Proceed &proceed) {
    const double table1Share = double(table1Rows.size()) / std::max<qsizetype>(1, table1Rows.size() + table2Rows.size());
    const QString authority = kAuthorityName + QLatin1String(" - ") + kAuthorityDepartment;
    PageText page;
    page.line(QStringLiteral(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN" )"
                             R"("http://www.w3.org/TR/html4/loose.dtd">)"));
    WriteHead(page, authority, "9px");
    page.line(QStringLiteral(R"(<table cellpadding="0" cellspacing="0" width="100%" border="0" >)"));
    // A header group repeats at the top of every printed page.
    page.line(QStringLiteral(R"(<thead style="display:table-header-group">)"));
    page.line(Row(Cell(QLatin1String(R"(<font size="1">)") + authority + QLatin1String("</font>"))));
    page.lines({"</thead>", "<tbody>"});
    page.lines({R"(<tr><td class="style2"><font size="1">ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ (ΕΝΤΟΣ ΣΧΕΔΙΟΥ ή ΟΙΚΙΣΜΟΥ))",
                "ΚΑΙ ΚΤΙΣΜΑΤΩΝ (ΕΝΤΟΣ και ΕΚΤΟΣ ΣΧΕΔΙΟΥ)</font></td></tr>",
                R"(<tr><td class="style2">)"});
    if (!WritePrintTable(page, kTable1, table1Rows, PartOf(proceed, 0, table1Share)))
        return {};
    page.line(QStringLiteral(R"(<br><font size="1">ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ</font><br>)"));
    if (!WritePrintTable(page, kTable2, table2Rows, PartOf(proceed, table1Share, 1)))
        return {};
    page.lines({R"(<p class="style2">* Όσα τετραγωνίδια έχουν αστερίσκο συμπληρώνονται από την υπηρεσία</p>)",
                "</td></tr>", "</tbody>", "</table>", "</body></html>"});
    return page.take();
}

}  // namespace d7
