#include "app/QtTexts.h"

#include <QCoreApplication>
#include <QHash>

namespace d7 {

namespace {

struct QtText {
    const char *context;
    const char *source;
    const char *greek;
};

// The pairs Qt asks for while the save-file dialog and the page setup are
// built and used (their boxes and context menu included). "OK" is left as
// it is: the program's own boxes say OK too.
constexpr QtText kTexts[] = {
    {"QPlatformTheme", "Cancel", "Άκυρο"},
    {"QPlatformTheme", "Save", "Αποθήκευση"},
    {"QPlatformTheme", "Open", "Άνοιγμα"},
    {"QPlatformTheme", "&Yes", "&Ναι"},
    {"QPlatformTheme", "&No", "&Όχι"},

    {"QFileDialog", "Look in:", "Αναζήτηση σε:"},
    {"QFileDialog", "Back", "Πίσω"},
    {"QFileDialog", "Go back", "Μετάβαση πίσω"},
    {"QFileDialog", "Forward", "Εμπρός"},
    {"QFileDialog", "Go forward", "Μετάβαση εμπρός"},
    {"QFileDialog", "Parent Directory", "Γονικός φάκελος"},
    {"QFileDialog", "Go to the parent directory", "Μετάβαση στον γονικό φάκελο"},
    {"QFileDialog", "Create New Folder", "Δημιουργία νέου φακέλου"},
    {"QFileDialog", "Create a New Folder", "Δημιουργία νέου φακέλου"},
    {"QFileDialog", "List View", "Προβολή λίστας"},
    {"QFileDialog", "Change to list view mode", "Αλλαγή σε προβολή λίστας"},
    {"QFileDialog", "Detail View", "Προβολή λεπτομερειών"},
    {"QFileDialog", "Change to detail view mode", "Αλλαγή σε προβολή λεπτομερειών"},
    {"QFileDialog", "Sidebar", "Πλευρική στήλη"},
    {"QFileDialog", "List of places and bookmarks", "Τοποθεσίες και σελιδοδείκτες"},
    {"QFileDialog", "Files", "Αρχεία"},
    {"QFileDialog", "Files of type:", "Αρχεία τύπου:"},
    {"QFileDialog", "File &name:", "Όνομα &αρχείου:"},
    {"QFileDialog", "&Open", "Ά&νοιγμα"},
    {"QFileDialog", "&Save", "&Αποθήκευση"},
    {"QFileDialog", "All Files (*)", "Όλα τα αρχεία (*)"},
    {"QFileDialog", "Show ", "Εμφάνιση "},
    {"QFileDialog", "&Rename", "&Μετονομασία"},
    {"QFileDialog", "&Delete", "&Διαγραφή"},
    {"QFileDialog", "Show &hidden files", "Εμφάνιση &κρυφών αρχείων"},
    {"QFileDialog", "&New Folder", "&Νέος φάκελος"},
    {"QFileDialog", "New Folder", "Νέος φάκελος"},
    {"QFileDialog", "Recent Places", "Πρόσφατες τοποθεσίες"},
    {"QFileDialog", "Delete", "Διαγραφή"},
    {"QFileDialog", "Are you sure you want to delete '%1'?", "Είστε σίγουρος ότι θέλετε να διαγράψετε το «%1»;"},
    {"QFileDialog", "Could not delete directory.", "Ο φάκελος δεν μπόρεσε να διαγραφεί."},
    {"QFileSystemModel", "Computer", "Υπολογιστής"},
    {"QFileSystemModel", "Name", "Όνομα"},
    {"QFileSystemModel", "Size", "Μέγεθος"},
    {"QFileSystemModel", "Type", "Τύπος"},
    {"QFileSystemModel", "Date Modified", "Τροποποίηση"},
    {"QAbstractFileIconProvider", "Drive", "Μονάδα δίσκου"},
    {"QAbstractFileIconProvider", "Folder", "Φάκελος"},

    {"QPrintPreviewDialog", "Page Setup", "Διαμόρφωση σελίδας"},
    {"QPageSetupWidget", "Paper", "Χαρτί"},
    {"QPageSetupWidget", "Page size:", "Μέγεθος σελίδας:"},
    {"QPageSetupWidget", "Width:", "Πλάτος:"},
    {"QPageSetupWidget", "Height:", "Ύψος:"},
    {"QPageSetupWidget", "Paper source:", "Πηγή χαρτιού:"},
    {"QPageSetupWidget", "Orientation", "Προσανατολισμός"},
    {"QPageSetupWidget", "Portrait", "Κατακόρυφος"},
    {"QPageSetupWidget", "Landscape", "Οριζόντιος"},
    {"QPageSetupWidget", "Reverse landscape", "Οριζόντιος ανεστραμμένος"},
    {"QPageSetupWidget", "Reverse portrait", "Κατακόρυφος ανεστραμμένος"},
    {"QPageSetupWidget", "Margins", "Περιθώρια"},
    {"QPageSetupWidget", "top margin", "επάνω περιθώριο"},
    {"QPageSetupWidget", "left margin", "αριστερό περιθώριο"},
    {"QPageSetupWidget", "right margin", "δεξί περιθώριο"},
    {"QPageSetupWidget", "bottom margin", "κάτω περιθώριο"},
    {"QPageSetupWidget", "Page Layout", "Διάταξη σελίδων"},
    {"QPageSetupWidget", "Page order:", "Σειρά σελίδων:"},
    {"QPageSetupWidget", "Pages per sheet:", "Σελίδες ανά φύλλο:"},
    {"QPageSetupWidget", "Millimeters (mm)", "Χιλιοστά (mm)"},
    {"QPageSetupWidget", "Inches (in)", "Ίντσες (in)"},
    {"QPageSetupWidget", "Points (pt)", "Στιγμές (pt)"},
    {"QPageSetupWidget", "Pica (P̸)", "Πίκα (P̸)"},
    {"QPageSetupWidget", "Didot (DD)", "Ντιντό (DD)"},
    {"QPageSetupWidget", "Cicero (CC)", "Σισερό (CC)"},
    {"QPageSetupWidget", "Custom", "Προσαρμοσμένο"},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Από αριστερά προς τα δεξιά, από πάνω προς τα κάτω"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "Από αριστερά προς τα δεξιά, από κάτω προς τα πάνω"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "Από δεξιά προς τα αριστερά, από κάτω προς τα πάνω"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "Από δεξιά προς τα αριστερά, από πάνω προς τα κάτω"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "Από κάτω προς τα πάνω, από αριστερά προς τα δεξιά"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "Από κάτω προς τα πάνω, από δεξιά προς τα αριστερά"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Από πάνω προς τα κάτω, από αριστερά προς τα δεξιά"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "Από πάνω προς τα κάτω, από δεξιά προς τα αριστερά"},

    // Paper sizes keep their codes (A4, B5, JIS B5, ANSI C, PRC 16K, C5, DL...)
    // and their trade names where Greek has none.
    {"QPageSize", "Letter / ANSI A", "Επιστολή (Letter) / ANSI A"},
    {"QPageSize", "Legal", "Νομικό (Legal)"},
    {"QPageSize", "Executive (7.5 x 10 in)", "Διοικητικό (Executive, 7,5 x 10 ίντσες)"},
    {"QPageSize", "Executive (7.25 x 10.5 in)", "Διοικητικό (Executive, 7,25 x 10,5 ίντσες)"},
    {"QPageSize", "Folio (8.27 x 13 in)", "Φόλιο (8,27 x 13 ίντσες)"},
    {"QPageSize", "Ledger / ANSI B", "Λογιστικό (Ledger) / ANSI B"},
    {"QPageSize", "Tabloid / ANSI B", "Ταμπλόιντ (Tabloid) / ANSI B"},
    {"QPageSize", "A3 Extra", "A3 επαυξημένο"},
    {"QPageSize", "A4 Extra", "A4 επαυξημένο"},
    {"QPageSize", "A4 Plus", "A4 διευρυμένο"},
    {"QPageSize", "A4 Small", "A4 μικρό"},
    {"QPageSize", "A5 Extra", "A5 επαυξημένο"},
    {"QPageSize", "B5 Extra", "B5 επαυξημένο"},
    {"QPageSize", "Legal Extra", "Νομικό επαυξημένο (Legal Extra)"},
    {"QPageSize", "Letter Extra", "Επιστολή επαυξημένη (Letter Extra)"},
    {"QPageSize", "Letter Plus", "Επιστολή διευρυμένη (Letter Plus)"},
    {"QPageSize", "Letter Small", "Επιστολή μικρή (Letter Small)"},
    {"QPageSize", "Tabloid Extra", "Ταμπλόιντ επαυξημένο (Tabloid Extra)"},
    {"QPageSize", "Architect A", "Αρχιτεκτονικό A"},
    {"QPageSize", "Architect B", "Αρχιτεκτονικό B"},
    {"QPageSize", "Architect C", "Αρχιτεκτονικό C"},
    {"QPageSize", "Architect D", "Αρχιτεκτονικό D"},
    {"QPageSize", "Architect E", "Αρχιτεκτονικό E"},
    {"QPageSize", "%1 x %2 in", "%1 x %2 ίντσες"},
    {"QPageSize", "Note", "Σημείωμα (Note)"},
    {"QPageSize", "Quarto", "Κουάρτο"},
    {"QPageSize", "Statement", "Μισή επιστολή (Statement)"},
    {"QPageSize", "Super A", "Σούπερ A"},
    {"QPageSize", "Super B", "Σούπερ B"},
    {"QPageSize", "Postcard", "Ταχυδρομική κάρτα"},
    {"QPageSize", "Double Postcard", "Διπλή ταχυδρομική κάρτα"},
    {"QPageSize", "PRC 32K Big", "PRC 32K μεγάλο"},
    {"QPageSize", "Fan-fold US (14.875 x 11 in)", "Συνεχές ΗΠΑ (14,875 x 11 ίντσες)"},
    {"QPageSize", "Fan-fold German (8.5 x 12 in)", "Συνεχές γερμανικό (8,5 x 12 ίντσες)"},
    {"QPageSize", "Fan-fold German Legal (8.5 x 13 in)", "Συνεχές γερμανικό νομικό (8,5 x 13 ίντσες)"},
    {"QPageSize", "Envelope B4", "Φάκελος B4"},
    {"QPageSize", "Envelope B5", "Φάκελος B5"},
    {"QPageSize", "Envelope B6", "Φάκελος B6"},
    {"QPageSize", "Envelope C0", "Φάκελος C0"},
    {"QPageSize", "Envelope C1", "Φάκελος C1"},
    {"QPageSize", "Envelope C2", "Φάκελος C2"},
    {"QPageSize", "Envelope C3", "Φάκελος C3"},
    {"QPageSize", "Envelope C4", "Φάκελος C4"},
    {"QPageSize", "Envelope C5", "Φάκελος C5"},
    {"QPageSize", "Envelope C6", "Φάκελος C6"},
    {"QPageSize", "Envelope C65", "Φάκελος C65"},
    {"QPageSize", "Envelope C7", "Φάκελος C7"},
    {"QPageSize", "Envelope DL", "Φάκελος DL"},
    {"QPageSize", "Envelope US 9", "Φάκελος US 9"},
    {"QPageSize", "Envelope US 10", "Φάκελος US 10"},
    {"QPageSize", "Envelope US 11", "Φάκελος US 11"},
    {"QPageSize", "Envelope US 12", "Φάκελος US 12"},
    {"QPageSize", "Envelope US 14", "Φάκελος US 14"},
    {"QPageSize", "Envelope Monarch", "Φάκελος Monarch"},
    {"QPageSize", "Envelope Personal", "Φάκελος προσωπικός"},
    {"QPageSize", "Envelope Chou 3", "Φάκελος Chou 3"},
    {"QPageSize", "Envelope Chou 4", "Φάκελος Chou 4"},
    {"QPageSize", "Envelope Invite", "Φάκελος προσκλητηρίου"},
    {"QPageSize", "Envelope Italian", "Φάκελος ιταλικός"},
    {"QPageSize", "Envelope Kaku 2", "Φάκελος Kaku 2"},
    {"QPageSize", "Envelope Kaku 3", "Φάκελος Kaku 3"},
    {"QPageSize", "Envelope PRC 1", "Φάκελος PRC 1"},
    {"QPageSize", "Envelope PRC 2", "Φάκελος PRC 2"},
    {"QPageSize", "Envelope PRC 3", "Φάκελος PRC 3"},
    {"QPageSize", "Envelope PRC 4", "Φάκελος PRC 4"},
    {"QPageSize", "Envelope PRC 5", "Φάκελος PRC 5"},
    {"QPageSize", "Envelope PRC 6", "Φάκελος PRC 6"},
    {"QPageSize", "Envelope PRC 7", "Φάκελος PRC 7"},
    {"QPageSize", "Envelope PRC 8", "Φάκελος PRC 8"},
    {"QPageSize", "Envelope PRC 9", "Φάκελος PRC 9"},
    {"QPageSize", "Envelope PRC 10", "Φάκελος PRC 10"},
    {"QPageSize", "Custom (%1mm x %2mm)", "Προσαρμοσμένο (%1mm x %2mm)"},
    {"QPageSize", "Custom (%1in x %2in)", "Προσαρμοσμένο (%1in x %2in)"},
    {"QPageSize", "Custom (%1pt x %2pt)", "Προσαρμοσμένο (%1pt x %2pt)"},
    {"QPageSize", "Custom (%1pc x %2pc)", "Προσαρμοσμένο (%1pc x %2pc)"},
    {"QPageSize", "Custom (%1DD x %2DD)", "Προσαρμοσμένο (%1DD x %2DD)"},
    {"QPageSize", "Custom (%1CC x %2CC)", "Προσαρμοσμένο (%1CC x %2CC)"},
};

}  // namespace

QString GreekQtTexts::translate(const char *context, const char *sourceText, const char *, int) const {
    static const QHash<QByteArray, QString> table = [] {
        QHash<QByteArray, QString> t;
        for (const QtText &p : kTexts)
            t.insert(QByteArray(p.context) + '\n' + p.source, QString::fromUtf8(p.greek));
        return t;
    }();
    if (!context || !sourceText)
        return QString();
    return table.value(QByteArray(context) + '\n' + sourceText);
}

void InstallGreekQtTexts() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QCoreApplication::installTranslator(new GreekQtTexts(QCoreApplication::instance()));
}

}  // namespace d7
