// Owning handles for SDL objects: each one frees its object with the matching SDL call.
// Only the SDL backend files include this header; nothing outside src/engine sees SDL.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <memory>

namespace eng::sdl {

struct WindowDeleter { void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); } };
struct RendererDeleter { void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); } };
struct TextureDeleter { void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); } };
struct SurfaceDeleter { void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); } };
struct FontDeleter { void operator()(TTF_Font* f) const { TTF_CloseFont(f); } };
struct ChunkDeleter { void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); } };
struct RWopsDeleter { void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); } };
struct SdlStringDeleter { void operator()(char* s) const { SDL_free(s); } };

using WindowPtr = std::unique_ptr<SDL_Window, WindowDeleter>;
using RendererPtr = std::unique_ptr<SDL_Renderer, RendererDeleter>;
using TexturePtr = std::unique_ptr<SDL_Texture, TextureDeleter>;
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using FontPtr = std::unique_ptr<TTF_Font, FontDeleter>;
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
using RWopsPtr = std::unique_ptr<SDL_RWops, RWopsDeleter>;
using SdlStringPtr = std::unique_ptr<char, SdlStringDeleter>;

// A surface in the bitmaps' own layout: 32-bit 0xAARRGGBB words.
inline SurfacePtr makeArgbSurface(int width, int height) {
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
}

}  // namespace eng::sdl
