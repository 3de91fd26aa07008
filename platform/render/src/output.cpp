#include <cairo-svg.h>
#include <cairo.h>

#include "base/write_whole.h"
#include "render/output.h"
#include "scene_painter.h"

namespace render {

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// The picture is made in memory and written whole, so a failed write never leaves half a
// picture under the target's name.
WriteResult commit(const std::string& bytes, const std::string& path, cairo_status_t status) {
    if (status != CAIRO_STATUS_SUCCESS)
        return {false, std::string("cannot write ") + path + ": " + cairo_status_to_string(status)};
    base::WriteResult written = base::writeFileWhole(path, bytes);
    return {written.ok, written.error};
}

}  // namespace

Image rasterize(const Scene& scene) {
    Image image;
    if (scene.width <= 0 || scene.height <= 0) return image;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, scene.width, scene.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return image;
    }
    cairo_t* cr = cairo_create(surface);
    detail::ScenePainter(cr).paint(scene);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    image.width = scene.width;
    image.height = scene.height;
    image.pixels.resize(size_t(scene.width) * size_t(scene.height));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < scene.height; ++y) {
        auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < scene.width; ++x)
            image.pixels[size_t(y) * size_t(scene.width) + size_t(x)] = 0xFF000000u | (row[x] & 0xFFFFFF);
    }
    cairo_surface_destroy(surface);
    return image;
}

WriteResult writePng(const Scene& scene, const std::string& path) {
    if (scene.width <= 0 || scene.height <= 0) return {false, "empty picture: " + path};
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, scene.width, scene.height);
    cairo_t* cr = cairo_create(surface);
    detail::ScenePainter(cr).paint(scene);
    cairo_destroy(cr);
    std::string bytes;
    cairo_status_t status = cairo_surface_write_to_png_stream(surface, appendBytes, &bytes);
    cairo_surface_destroy(surface);
    return commit(bytes, path, status);
}

WriteResult writeSvg(const Scene& scene, const std::string& path) {
    if (scene.width <= 0 || scene.height <= 0) return {false, "empty picture: " + path};
    std::string bytes;
    cairo_surface_t* surface = cairo_svg_surface_create_for_stream(appendBytes, &bytes, scene.width, scene.height);
    cairo_t* cr = cairo_create(surface);
    detail::ScenePainter(cr).paint(scene);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    return commit(bytes, path, status);
}

std::string encodePng(const Scene& scene) {
    std::string bytes;
    if (scene.width <= 0 || scene.height <= 0) return bytes;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, scene.width, scene.height);
    cairo_t* cr = cairo_create(surface);
    detail::ScenePainter(cr).paint(scene);
    cairo_destroy(cr);
    auto append = [](void* closure, const unsigned char* data, unsigned int length) {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    };
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, append, &bytes);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) bytes.clear();
    return bytes;
}

}  // namespace render
