#ifndef TRANSLATION_TRANSLATION_H
#define TRANSLATION_TRANSLATION_H

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// Translates the detection services' own texts (rule descriptions, event
// names) from the catalogues they install in the system locale tree. The
// whole text is the key.
class Translation
{
public:
    using Catalogue = std::map<std::string, std::string>;

    // Loads the catalogue of every supported language under "/usr/share/locale".
    explicit Translation(const std::string &localeName);
    Translation(const std::string &localeName, const std::string &localeRoot);
    virtual ~Translation();

    // The translation for the user's language, "" when the catalogue of that
    // language has none; for a language without a catalogue the text itself.
    // Callers show the source text when the result is empty.
    std::string translate(const char *text) const;

    // Reads the source/translation pairs of a .ts file into catalogue, which
    // is emptied first. 0 on success, -1 (errno EINVAL) for an empty path,
    // -2 when the file cannot be read or parsed.
    static int loadCatalogue(const std::string &path, Catalogue &catalogue);

    const std::string &localeName() const { return m_localeName; }

private:
    const Catalogue *catalogueForLocale() const;

    std::string m_localeName;
    // One per entry of SUPPORTED_LOCALES, in its order.
    std::vector<Catalogue> m_catalogues;
    std::unordered_map<std::string, std::string> m_folderNames;
};

#endif // TRANSLATION_TRANSLATION_H
