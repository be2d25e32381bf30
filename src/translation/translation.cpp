#include "translation/translation.h"

#include <pugixml.hpp>

#include <cerrno>

namespace {

const char *const DEFAULT_LOCALE_ROOT = "/usr/share/locale";

std::string cataloguePath(const std::string &root, const char *locale)
{
    return root + "/" + locale + "/LC_MESSAGES/tarvix_" + locale + ".ts";
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
    loadCatalogue(cataloguePath(localeRoot, "zh_CN"), m_zhCN);
    loadCatalogue(cataloguePath(localeRoot, "bo_CN"), m_boCN);
    loadCatalogue(cataloguePath(localeRoot, "mn_MN"), m_mnMN);
    loadCatalogue(cataloguePath(localeRoot, "zh_HK"), m_zhHK);
}

Translation::~Translation() = default;

const Translation::Catalogue *Translation::catalogueForLocale() const
{
    const auto has = [this](const char *part) { return m_localeName.find(part) != std::string::npos; };
    if (has("zh") && has("HK")) {
        return &m_zhHK;
    }
    if (has("zh")) {
        return &m_zhCN;
    }
    if (has("bo")) {
        return &m_boCN;
    }
    if (has("mn")) {
        return &m_mnMN;
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
