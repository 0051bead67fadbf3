#include "Screenshot.h"

#include <cstdio>
#include <iostream>
#include <vector>

#include <GL/glew.h>
#include <png.h>

bool WriteScreenshot(const std::string& file, int width, int height) {
    if (width <= 0 || height <= 0) {
        return false;
    }
    const auto rowBytes = static_cast<std::size_t>(width) * 4;
    std::vector<unsigned char> pixels(rowBytes * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());

    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        std::cerr << "velmora-trace: cannot write " << file << std::endl;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        std::cerr << "velmora-trace: cannot write " << file << std::endl;
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // OpenGL's rows run from the bottom up; a picture's from the top down.
    for (int row = height - 1; row >= 0; --row) {
        png_write_row(png, pixels.data() + rowBytes * static_cast<std::size_t>(row));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(out);
    return true;
}
