// The spell checker's languages: one per dictionary file ("*.dic") in the system's dictionary folders,
// named from the file's locale code.
#include "platform/spelling.h"

#include <QDir>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace {

const std::vector<std::string> kSystemFolders = {"/usr/share/hunspell", "/usr/share/myspell",
                                                 "/usr/share/myspell/dicts"};
std::vector<std::string> gFolders = kSystemFolders;

QStringList DictionaryCodes() {
    QStringList codes;
    for (const std::string& folder : gFolders) {
        const QDir dir(QString::fromStdString(folder));
        for (const QString& file : dir.entryList({"*.dic"}, QDir::Files | QDir::Readable)) {
            const QString code = file.left(file.size() - 4);
            if (!codes.contains(code)) codes.append(code);
        }
    }
    codes.sort();
    return codes;
}

QString ReadableName(const QString& code) {
    const QLocale locale(code);
    if (locale.language() == QLocale::C) return code;
    QString name = QLocale::languageToString(locale.language());
    // A bare language code names no country; QLocale would supply its most likely one.
    if (code.contains('_') || code.contains('-'))
        name += " (" + QLocale::territoryToString(locale.territory()) + ")";
    return name;
}

} // namespace

bool SpellCheckerLanguageName(int n, std::string* name) {
    const QStringList codes = DictionaryCodes();
    if (n < 0 || n >= codes.size() || !name) return false;
    *name = ReadableName(codes[n]).toStdString();
    return true;
}

void SetSpellCheckerFolders(std::vector<std::string> folders) {
    gFolders = folders.empty() ? kSystemFolders : std::move(folders);
}
