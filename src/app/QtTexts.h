// Greek for the texts of the dialogs that come from Qt itself (the save-file
// dialog and the page setup), which the system ships in English only.
#pragma once

#include <QTranslator>

namespace d7 {

// Answers the exact (context, source text) pairs those dialogs ask for, and
// nothing for any other text, so that the rest of Qt stays as it is.
class GreekQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

// Installs the texts in the running application, once; before any window is made.
void InstallGreekQtTexts();

}  // namespace d7
