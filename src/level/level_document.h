// A level document: the parsed JSON with typed lookup by dotted key path ("niveau.decor").
// A missing key or a value of the wrong JSON type raises eng::JsonError naming the level and the path.
#pragma once
#include <optional>
#include <string>
#include <nlohmann/json.hpp>

class LevelDocument {
public:
    // nullopt when the text is not JSON or its root is not an object.
    static std::optional<LevelDocument> parse(const std::string& levelName, const std::string& text);

    std::string string(const std::string& path) const;
    int integer(const std::string& path) const;
    double number(const std::string& path) const;   // integers or decimals
    bool boolean(const std::string& path) const;
    const nlohmann::json& array(const std::string& path) const;
    // A time limit in minutes, 0 to 59, as a time of day (a fraction of a day). TimeEncodingError outside.
    double minutes(const std::string& path) const;

    // An entry of an element table, read by the same rules; paths read "bonusElement[2].point".
    class Entry {
    public:
        Entry(const LevelDocument& document, const nlohmann::json& value, std::string path)
            : document_(document), value_(value), path_(std::move(path)) {}
        std::string string(const std::string& key) const;
        int integer(const std::string& key) const;
        double number(const std::string& key) const;
        bool boolean(const std::string& key) const;
    private:
        const LevelDocument& document_;
        const nlohmann::json& value_;
        std::string path_;
        const nlohmann::json& member(const std::string& key) const;
    };
    // Calls `read` for each entry of the array at `path`, in array order.
    template <class Read> void forEachEntry(const std::string& path, Read read) const {
        const nlohmann::json& entries = array(path);
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string where = path + "[" + std::to_string(i) + "]";
            if (!entries[i].is_object()) typeError(where, "an object");
            read(Entry(*this, entries[i], where));
        }
    }

    const std::string& levelName() const { return levelName_; }
    [[noreturn]] void typeError(const std::string& path, const char* expected) const;

private:
    std::string levelName_;
    nlohmann::json root_;
    const nlohmann::json& at(const std::string& path) const;
    friend class Entry;
    static std::string stringOf(const LevelDocument& doc, const nlohmann::json& v, const std::string& path);
    static int integerOf(const LevelDocument& doc, const nlohmann::json& v, const std::string& path);
    static double numberOf(const LevelDocument& doc, const nlohmann::json& v, const std::string& path);
    static bool booleanOf(const LevelDocument& doc, const nlohmann::json& v, const std::string& path);
};
