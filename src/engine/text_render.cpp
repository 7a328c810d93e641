// Fonts, line layout and text rendering with SDL_ttf for the labels.
// Glyphs are rendered in white with straight alpha; the label's colour is applied when drawing.
#include "text_render.h"
#include <algorithm>
#include <cstring>
#include <filesystem>
#include "resources.h"

namespace eng {
namespace {

constexpr const char* fallbackFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* gameFontFamily = "Arlett Future";

int ttfStyle(const TextStyle& style) {
    return (style.bold ? TTF_STYLE_BOLD : 0) | (style.italic ? TTF_STYLE_ITALIC : 0) |
           (style.strikeOut ? TTF_STYLE_STRIKETHROUGH : 0);
}

int textWidth(TTF_Font* font, const std::string& s) {
    int w = 0, h = 0;
    return (s.empty() || TTF_SizeUTF8(font, s.c_str(), &w, &h) != 0) ? 0 : w;
}

std::vector<std::string> splitBreaks(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // the "\n" ends it
        if (text[i] == '\n' || text[i] == '\r') { lines.push_back(std::move(current)); current.clear(); continue; }
        current += text[i];
    }
    lines.push_back(std::move(current));
    return lines;
}

void wrapLine(TTF_Font* font, const std::string& line, int wrapWidthPx, std::vector<std::string>& out) {
    std::string current;
    size_t pos = 0;
    while (pos <= line.size()) {
        const size_t space = std::min(line.find(' ', pos), line.size());
        const std::string word = line.substr(pos, space - pos);
        const std::string candidate = current.empty() ? word : current + " " + word;
        if (!current.empty() && textWidth(font, candidate) > wrapWidthPx) {
            out.push_back(current);
            current = word;
        } else {
            current = candidate;
        }
        pos = space + 1;
    }
    out.push_back(current);
}

}  // namespace

FontLibrary::FontLibrary() : ready_(TTF_Init() == 0) {}

FontLibrary::~FontLibrary() {
    fonts_.clear();  // every font closes before the library shuts down
    if (ready_) TTF_Quit();
}

std::string FontLibrary::fontFile(const std::string& family) {
    // The family's own file beside the program, else the game's font, else the system's DejaVu Sans.
    std::error_code ec;
    const std::filesystem::path fonts = std::filesystem::path(programDir()) / "fonts";
    for (const std::string& name : {family, std::string(gameFontFamily)})
        if (std::filesystem::is_regular_file(fonts / (name + ".ttf"), ec)) return (fonts / (name + ".ttf")).string();
    return fallbackFont;
}

const std::string& FontLibrary::resolvedFile(const std::string& family) {
    auto found = files_.find(family);
    if (found == files_.end()) found = files_.emplace(family, fontFile(family)).first;
    return found->second;
}

TTF_Font* FontLibrary::font(const TextStyle& style) {
    if (!ready_) return nullptr;
    const auto key = std::make_pair(resolvedFile(style.family), std::clamp(style.pixelSize, 1, 1000));
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        sdl::FontPtr opened(TTF_OpenFont(key.first.c_str(), key.second));
        if (!opened && key.first != fallbackFont) opened.reset(TTF_OpenFont(fallbackFont, key.second));
        found = fonts_.emplace(key, std::move(opened)).first;
    }
    TTF_Font* f = found->second.get();
    if (f && TTF_GetFontStyle(f) != ttfStyle(style)) TTF_SetFontStyle(f, ttfStyle(style));
    return f;
}

std::vector<std::string> layoutLines(TTF_Font* font, const std::string& text, int wrapWidthPx) {
    std::vector<std::string> lines;
    for (const std::string& line : splitBreaks(text)) {
        if (wrapWidthPx > 0 && font && textWidth(font, line) > wrapWidthPx) wrapLine(font, line, wrapWidthPx, lines);
        else lines.push_back(line);
    }
    return lines;
}

SizeF measureLines(TTF_Font* font, const std::vector<std::string>& lines) {
    if (!font) return {};
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, textWidth(font, line));
    return {static_cast<float>(widest), static_cast<float>(TTF_FontLineSkip(font) * static_cast<int>(lines.size()))};
}

Bitmap renderTextBlock(TTF_Font* font, const std::vector<std::string>& lines, TextAlign align) {
    const SizeF size = measureLines(font, lines);
    Bitmap block(static_cast<int>(size.width), static_cast<int>(size.height), colors::Null);
    if (block.isEmpty()) return block;
    auto& pixels = block.mutablePixels();
    const int lineSkip = TTF_FontLineSkip(font);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const sdl::SurfacePtr rendered(TTF_RenderUTF8_Blended(font, lines[i].c_str(), SDL_Color{255, 255, 255, 255}));
        if (!rendered) continue;
        const sdl::SurfacePtr argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        if (!argb) continue;
        const int slack = block.width() - argb->w;
        const int left = align == TextAlign::Leading ? 0 : align == TextAlign::Center ? slack / 2 : slack;
        const int top = static_cast<int>(i) * lineSkip;
        for (int y = 0; y < argb->h && top + y < block.height(); ++y) {
            const auto* row = reinterpret_cast<const AlphaColor*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
            for (int x = 0; x < argb->w; ++x) {
                const int bx = left + x;
                if (bx < 0 || bx >= block.width()) continue;
                AlphaColor& dst = pixels[static_cast<size_t>(top + y) * block.width() + bx];
                if ((row[x] >> 24) > (dst >> 24)) dst = row[x];  // lines may touch; keep the stronger glyph pixel
            }
        }
    }
    return block;
}

}  // namespace eng
