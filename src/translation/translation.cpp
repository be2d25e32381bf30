#include "translation/translation.h"
#include "translation/supportedlocales.h"

#include <pugixml.hpp>

#include <cerrno>
#include <string_view>

namespace {

const char *const DEFAULT_LOCALE_ROOT = "/usr/share/locale";

std::string cataloguePath(const std::string &root, const char *locale)
{
    return root + "/" + locale + "/LC_MESSAGES/tarvix_" + locale + ".ts";
}

// Whether name contains every "+"-separated part of match.
bool containsAll(const std::string &name, std::string_view match)
{
    for (;;) {
        const size_t plus = match.find('+');
        if (name.find(match.substr(0, plus)) == std::string::npos) {
            return false;
        }
        if (plus == std::string_view::npos) {
            return true;
        }
        match.remove_prefix(plus + 1);
    }
}

} // namespace

Translation::Translation(const std::string &localeName)
    : Translation(localeName, DEFAULT_LOCALE_ROOT)
{
}

Translation::Translation(const std::string &localeName, const std::string &localeRoot)
    : m_localeName(localeName)
{
    // The services report home folders by their Chinese names; the catalogues
    // know them by the English ones.
    m_folderNames = {
        { "公共的", "Public Share" },
        { "模板", "Templates" },
        { "视频", "Videos" },
        { "图片", "Pictures" },
        { "文档", "Documents" },
        { "下载", "Download" },
        { "音乐", "Music" },
        { "桌面", "Desktop" },
    };
    // A missing or broken catalogue just stays empty.
    for (const SupportedLocale &locale : SUPPORTED_LOCALES) {
        loadCatalogue(cataloguePath(localeRoot, locale.name), m_catalogues.emplace_back());
    }
}

Translation::~Translation() = default;

const Translation::Catalogue *Translation::catalogueForLocale() const
{
    // By parts of the name, so that "zh_CN.UTF-8" or "zh_TW" still find one.
    for (size_t i = 0; i < m_catalogues.size(); ++i) {
        if (containsAll(m_localeName, SUPPORTED_LOCALES[i].match)) {
            return &m_catalogues[i];
        }
    }
    return nullptr;
}

std::string Translation::translate(const char *text) const
{
    if (!text) {
        return std::string();
    }
    std::string key = text;
    const auto folder = m_folderNames.find(key);
    if (folder != m_folderNames.end()) {
        key = folder->second;
    }
    const Catalogue *catalogue = catalogueForLocale();
    if (!catalogue) {
        return key;
    }
    const auto entry = catalogue->find(key);
    return entry == catalogue->end() ? std::string() : entry->second;
}

int Translation::loadCatalogue(const std::string &path, Catalogue &catalogue)
{
    // Emptied before anything else, so that every failure leaves it empty.
    catalogue.clear();
    if (path.empty()) {
        errno = EINVAL;
        return -1;
    }
    pugi::xml_document document;
    if (!document.load_file(path.c_str())) {
        return -2;
    }
    for (const pugi::xml_node context : document.child("TS").children("context")) {
        for (const pugi::xml_node message : context.children("message")) {
            const char *source = message.child_value("source");
            const char *translation = message.child_value("translation");
            if (*source && *translation) {
                // emplace keeps the first translation of a repeated source.
                catalogue.emplace(source, translation);
            }
        }
    }
    return 0;
}
