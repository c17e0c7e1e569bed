// Entry of the list editor. It runs in the content folder (its current directory), reads the
// language the folder is set up for, and ends.
#include "common/files/DiskFileSystem.h"
#include "game/content/Language.h"

#include <QApplication>

#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::error_code ec;
    DiskFileSystem files(std::filesystem::current_path(ec));
    const std::u16string language = readLanguage(files);
    QApplication::setApplicationName(QStringLiteral("vimoedit"));
    QApplication::setApplicationDisplayName(
        QStringLiteral("Vimo! - ") +
        QString::fromUtf16(language.data(), static_cast<qsizetype>(language.size())));
    return 0;
}
