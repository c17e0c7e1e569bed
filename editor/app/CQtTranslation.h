// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (the standard buttons Yes, No, OK and Cancel, the file dialog) in the content's
// language, from the translations Qt installs, for as long as this object lives.
#pragma once

#include <QTranslator>
#include <string_view>

class CQtTranslation : public QTranslator {
public:
    // Loads Qt's translations for `language` (a name as data\lang.txt writes it) and installs
    // them in the running application; nothing changes for English or a language Qt has no
    // translation of.
    explicit CQtTranslation(std::u16string_view language);
    ~CQtTranslation() override;
    CQtTranslation(const CQtTranslation&) = delete;
    CQtTranslation& operator=(const CQtTranslation&) = delete;

    // True when a translation was found and installed.
    bool installed() const { return installed_; }

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;

    bool isEmpty() const override { return qt_.isEmpty() && base_.isEmpty(); }

private:
    QTranslator qt_;   // qt_<language>.qm: every Qt module, as older Qt versions made it
    QTranslator base_; // qtbase_<language>.qm, where Qt has one
    bool installed_ = false;
};
