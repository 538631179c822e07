#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

/// Just enough JSON to read what krt-cli prints: objects, arrays, strings
/// (with \" \\ and \uXXXX below 0x80), numbers, true, false, null. A text
/// that is not one whole JSON document reads as nothing.
class Json
{
public:
    enum class Type
    {
        Null,
        Bool,
        Number,
        String,
        Array,
        Object
    };

    static std::optional<Json> parse(std::string_view text)
    {
        Reader reader{text};
        try {
            Json value = reader.value();
            reader.blanks();
            if (reader.at != text.size())
                return std::nullopt;
            return value;
        } catch (const std::runtime_error&) {
            return std::nullopt;
        }
    }

    [[nodiscard]] Type type() const { return m_type; }
    [[nodiscard]] bool has(const std::string& key) const { return m_object.contains(key); }
    [[nodiscard]] const Json& operator[](const std::string& key) const
    {
        const auto it = m_object.find(key);
        if (it == m_object.end())
            throw std::out_of_range("no key " + key);
        return it->second;
    }
    [[nodiscard]] const Json& operator[](std::size_t index) const { return m_array.at(index); }
    [[nodiscard]] std::size_t size() const
    {
        return m_type == Type::Object ? m_object.size() : m_array.size();
    }
    [[nodiscard]] const std::string& text() const { return m_text; }
    [[nodiscard]] double number() const { return m_number; }
    [[nodiscard]] bool boolean() const { return m_bool; }
    [[nodiscard]] const std::vector<Json>& items() const { return m_array; }

private:
    struct Reader
    {
        std::string_view text;
        std::size_t at = 0;

        void blanks()
        {
            while (at < text.size() &&
                   (text[at] == ' ' || text[at] == '\n' || text[at] == '\t' || text[at] == '\r'))
                ++at;
        }
        char next()
        {
            blanks();
            if (at >= text.size())
                throw std::runtime_error("end");
            return text[at];
        }
        void expect(char c)
        {
            if (next() != c)
                throw std::runtime_error(std::string("expected ") + c);
            ++at;
        }
        bool word(std::string_view w)
        {
            if (text.substr(at, w.size()) != w)
                return false;
            at += w.size();
            return true;
        }
        std::string string()
        {
            expect('"');
            std::string out;
            while (at < text.size() && text[at] != '"') {
                char c = text[at++];
                if (static_cast<unsigned char>(c) < 0x20)
                    throw std::runtime_error("control character");
                if (c == '\\') {
                    if (at >= text.size())
                        throw std::runtime_error("escape");
                    c = text[at++];
                    if (c == 'u') {
                        const int code = std::stoi(std::string(text.substr(at, 4)), nullptr, 16);
                        at += 4;
                        if (code >= 0x80)
                            throw std::runtime_error("wide escape");
                        c = static_cast<char>(code);
                    } else if (c == 'n') {
                        c = '\n';
                    } else if (c == 't') {
                        c = '\t';
                    } else if (c != '"' && c != '\\' && c != '/') {
                        throw std::runtime_error("escape");
                    }
                }
                out += c;
            }
            expect('"');
            return out;
        }
        Json value()
        {
            Json v;
            const char c = next();
            if (c == '{') {
                v.m_type = Type::Object;
                ++at;
                if (next() == '}') {
                    ++at;
                    return v;
                }
                for (;;) {
                    std::string key = string();
                    expect(':');
                    v.m_object.emplace(std::move(key), value());
                    if (next() == '}') {
                        ++at;
                        return v;
                    }
                    expect(',');
                }
            }
            if (c == '[') {
                v.m_type = Type::Array;
                ++at;
                if (next() == ']') {
                    ++at;
                    return v;
                }
                for (;;) {
                    v.m_array.push_back(value());
                    if (next() == ']') {
                        ++at;
                        return v;
                    }
                    expect(',');
                }
            }
            if (c == '"') {
                v.m_type = Type::String;
                v.m_text = string();
                return v;
            }
            if (word("true") || word("false")) {
                v.m_type = Type::Bool;
                v.m_bool = text[at - 1] == 'e' && text.substr(at - 4, 4) == "true";
                return v;
            }
            if (word("null"))
                return v;
            std::size_t used = 0;
            v.m_type = Type::Number;
            v.m_number = std::stod(std::string(text.substr(at)), &used);
            at += used;
            return v;
        }
    };

    Type m_type = Type::Null;
    bool m_bool = false;
    double m_number = 0;
    std::string m_text;
    std::vector<Json> m_array;
    std::map<std::string, Json> m_object;
};
