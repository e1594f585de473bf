// Font family numbers: the classic numbers under their classic names, mapped onto installed families, and
// a number for every installed family derived from its name, so numbers stored in documents and
// preferences keep meaning the same family from run to run.
#include "qt/font_registry.h"
#include "platform/font_families.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/text_encoding.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kFirstDerivedNumber = 1024;
constexpr int kDerivedNumberCount = 32767 - kFirstDerivedNumber + 1;

struct ClassicFamily {
    SInt16 number;
    const char* name;
    const char* const* candidates; // installed families to stand in for it, best first
};

const char* const kSerifs[] = {
    "Liberation Serif", "DejaVu Serif", "Times New Roman", "Nimbus Roman", "FreeSerif",
    "Noto Serif",       nullptr};
const char* const kSans[] = {"Liberation Sans", "DejaVu Sans", "Arial", "Nimbus Sans",
                             "FreeSans",        "Noto Sans",   nullptr};
const char* const kMonos[] = {"Liberation Mono", "DejaVu Sans Mono", "Courier New", "Nimbus Mono PS",
                              "FreeMono",        "Noto Sans Mono",   nullptr};
const char* const kSymbols[] = {"Standard Symbols PS", "OpenSymbol", "DejaVu Sans", nullptr};

const ClassicFamily kClassicFamilies[] = {
    {systemFont, "System", kSans},        {applicationFont, "Application", kSans},
    {kFontNewYork, "New York", kSerifs},  {kFontGeneva, "Geneva", kSans},
    {kFontMonaco, "Monaco", kMonos},      {kFontTimes, "Times", kSerifs},
    {kFontHelvetica, "Helvetica", kSans}, {kFontCourier, "Courier", kMonos},
    {kFontSymbol, "Symbol", kSymbols},
};

struct FontRegistry {
    std::map<SInt16, QString> family; // number -> installed family that draws it
    std::map<SInt16, QString> name;   // number -> the name the program sees
    std::map<QString, SInt16> byName; // case-folded name -> number
    std::vector<SInt16> installed;    // installed families' numbers in name order
};

UInt32 HashName(const QByteArray& utf8) {
    UInt32 hash = 2166136261u;
    for (char c : utf8)
        hash = (hash ^ UInt8(c)) * 16777619u;
    return hash;
}

} // namespace

std::vector<std::string> FamilyNamesWithoutFoundries(const std::vector<std::string>& names) {
    // A family made by two foundries is listed once per foundry, as "Name [Foundry]"; the program offers
    // it once, by its name, and the toolkit picks the foundry.
    std::vector<std::string> families;
    for (std::string name : names) {
        if (!name.empty() && name.back() == ']') {
            const size_t open = name.rfind(" [");
            if (open != std::string::npos && open > 0) name.resize(open);
        }
        if (!name.empty()) families.push_back(std::move(name));
    }
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

namespace {

FontRegistry BuildRegistry() {
    FontRegistry r;
    std::vector<std::string> listed;
    for (const QString& f : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(f)) listed.push_back(f.toStdString());
    QStringList families;
    for (const std::string& f : FamilyNamesWithoutFoundries(listed))
        families.push_back(QString::fromStdString(f));

    auto findInstalled = [&](const QString& wanted) -> QString {
        for (const QString& f : families)
            if (f.compare(wanted, Qt::CaseInsensitive) == 0) return f;
        return QString();
    };
    // Installed families first: one that carries a classic name takes the classic number.
    for (const QString& f : families) {
        SInt16 number = -1;
        for (const ClassicFamily& c : kClassicFamilies)
            if (c.number > applicationFont && f.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
                number = c.number;
        if (number < 0) {
            UInt32 slot = HashName(f.toUtf8()) % kDerivedNumberCount;
            // Collisions go to the next free number; families are visited in name order, so the outcome
            // depends only on the installed set.
            while (r.family.count(SInt16(kFirstDerivedNumber + slot)))
                slot = (slot + 1) % kDerivedNumberCount;
            number = SInt16(kFirstDerivedNumber + slot);
        }
        r.family[number] = f;
        r.name[number] = f;
        r.installed.push_back(number);
    }
    const QString fallback = families.isEmpty() ? QString() : families.front();
    for (const ClassicFamily& c : kClassicFamilies) {
        if (r.family.count(c.number)) continue;
        QString chosen;
        for (const char* const* candidate = c.candidates; *candidate && chosen.isEmpty(); ++candidate)
            chosen = findInstalled(QLatin1String(*candidate));
        if (chosen.isEmpty()) chosen = fallback;
        if (chosen.isEmpty()) continue;
        r.family[c.number] = chosen;
        r.name[c.number] = QLatin1String(c.name);
    }
    for (const auto& [number, name] : r.name)
        r.byName.emplace(name.toCaseFolded(), number);
    // Name order for the program's lists.
    std::sort(r.installed.begin(), r.installed.end(), [&](SInt16 a, SInt16 b) {
        return QString::compare(r.name[a], r.name[b], Qt::CaseInsensitive) < 0;
    });
    return r;
}

// Built once the toolkit is up (the font database needs it); before that every family is unknown.
const FontRegistry& Registry() {
    static std::optional<FontRegistry> registry;
    static const FontRegistry kEmpty;
    if (!registry) {
        if (!QGuiApplication::instance()) return kEmpty;
        registry = BuildRegistry();
    }
    return *registry;
}

QString NameFromPascal(ConstStr255Param name) {
    if (!name) return QString();
    const std::string utf8 = MacRomanToUtf8(PStringView(name));
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

QString InstalledFamilyForNumber(SInt16 family) {
    const FontRegistry& r = Registry();
    auto found = r.family.find(family);
    if (found == r.family.end()) found = r.family.find(kFontTimes);
    return found == r.family.end() ? QString() : found->second;
}

void GetFNum(ConstStr255Param name, SInt16* family) {
    if (!family) return;
    const FontRegistry& r = Registry();
    auto found = r.byName.find(NameFromPascal(name).toCaseFolded());
    *family = found == r.byName.end() ? SInt16(kFontTimes) : found->second;
}

void GetFontName(SInt16 family, StringPtr name) {
    if (!name) return;
    name[0] = 0;
    const FontRegistry& r = Registry();
    auto found = r.name.find(family);
    if (found == r.name.end()) return;
    const QByteArray utf8 = found->second.toUtf8();
    const std::string macRoman = Utf8ToMacRoman(std::string_view(utf8.constData(), size_t(utf8.size())));
    const size_t length = std::min<size_t>(macRoman.size(), 255);
    name[0] = UInt8(length);
    std::memcpy(name + 1, macRoman.data(), length);
}

bool IsFontFamilyInstalled(SInt16 family) {
    return Registry().family.count(family) != 0;
}

namespace {

std::map<SInt16, std::vector<SInt16>> gFixedRealSizes;

// The resolution the font database turns a bitmap font's pixel sizes into points with.
double FontDatabaseDpi() {
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return std::round(screen->logicalDotsPerInchY());
    return 100;
}

} // namespace

bool RealFont(SInt16 family, SInt16 size) {
    if (size <= 0) return false;
    if (auto fixed = gFixedRealSizes.find(family); fixed != gFixedRealSizes.end())
        return std::find(fixed->second.begin(), fixed->second.end(), size) != fixed->second.end();
    if (!IsFontFamilyInstalled(family)) return false;
    const QString name = InstalledFamilyForNumber(family);
    if (name.isEmpty()) return false;
    if (QFontDatabase::isSmoothlyScalable(name)) return true;
    // A bitmap font lists the point sizes its strikes make at the database's resolution.
    const double dpi = FontDatabaseDpi();
    for (int points : QFontDatabase::pointSizes(name))
        if (std::lround(points * dpi / 72.0) == size) return true;
    return false;
}

void FixRealFontSizes(SInt16 family, const std::vector<SInt16>& sizes) {
    if (sizes.empty())
        gFixedRealSizes.erase(family);
    else
        gFixedRealSizes[family] = sizes;
}

std::vector<SInt16> ListFontFamilies() {
    return Registry().installed;
}

bool IsSymbolFontFamily(SInt16 family) {
    const QString name = InstalledFamilyForNumber(family);
    if (name.isEmpty()) return false;
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(name);
    return systems.contains(QFontDatabase::Symbol) || !systems.contains(QFontDatabase::Latin);
}

QFont MakeFont(SInt16 family, SInt16 face, SInt16 size) {
    constexpr int kDefaultTextSize = 12;
    QFont font(InstalledFamilyForNumber(family));
    font.setPixelSize(size > 0 ? size : kDefaultTextSize);
    font.setBold(face & bold);
    font.setItalic(face & italic);
    font.setUnderline(face & underline);
    font.setStrikeOut(face & strikeOut);
    if (face & condense)
        font.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    else if (face & extend)
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    return font;
}
