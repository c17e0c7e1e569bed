// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/app/CQtTranslation.h"

#include "common/content/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstring>

namespace {

QLocale localeOf(std::u16string_view language) {
    const std::vector<std::string> names = localeNamesFor(language);
    if (names.empty()) {
        return QLocale(QLocale::English);
    }
    const std::string& name = names.front();
    return QLocale(QString::fromStdString(name.substr(0, name.find('.'))));
}

} // namespace

CQtTranslation::CQtTranslation(std::u16string_view language) {
    const QLocale locale = localeOf(language);
    if (locale.language() == QLocale::English) {
        return;
    }
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const bool withQt = qt_.load(locale, QStringLiteral("qt"), QStringLiteral("_"), folder);
    const bool withBase = base_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder);
    if ((withQt || withBase) && QCoreApplication::instance() != nullptr) {
        installed_ = QCoreApplication::installTranslator(this);
    }
}

CQtTranslation::~CQtTranslation() {
    if (installed_) {
        QCoreApplication::removeTranslator(this);
    }
}

QString CQtTranslation::translate(const char* context, const char* sourceText,
                                  const char* disambiguation, int n) const {
    QString text = base_.translate(context, sourceText, disambiguation, n);
    if (text.isEmpty()) {
        text = qt_.translate(context, sourceText, disambiguation, n);
    }
    // Qt 6 asks for the standard buttons' texts under QPlatformTheme; a translation made for
    // older Qt versions (Swedish, among others, has no newer one) has them under
    // QDialogButtonBox.
    if (text.isEmpty() && context != nullptr && std::strcmp(context, "QPlatformTheme") == 0) {
        text = qt_.translate("QDialogButtonBox", sourceText, disambiguation, n);
    }
    return text;
}
