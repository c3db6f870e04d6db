#include "view3d/picture.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/text/cformat.h"
#include "platform/text/gbk_file.h"

namespace view3d {

namespace {

constexpr Rgb kHighlight{40, 200, 255};

Rgb Mix(Rgb a, Rgb b, double k) {
    auto m = [k](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * k)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

class Canvas {
public:
    Canvas(const Camera& camera, int width, int height)
        : camera_(camera), image_{width, height, std::vector<std::uint8_t>(3 * width * height)},
          depth_(static_cast<std::size_t>(width) * height, std::numeric_limits<double>::infinity()) {
        for (int i = 0; i < width * height; ++i) Put(i, kBackground);
        // A light over the viewer's left shoulder, so that the faces of a member read apart.
        light_ = Normalized((-1.0) * camera.Forward() + 0.6 * camera.Up() - 0.4 * camera.Right());
    }

    void Triangle(Vec3 a, Vec3 b, Vec3 c, Rgb colour, bool twoSided) {
        Pixel p[3] = {Project(a), Project(b), Project(c)};
        for (const Pixel& q : p)
            if (camera_.perspective && q.depth < kNear) return;  // crosses the viewer's plane: left out
        const double area = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[1].y - p[0].y) * (p[2].x - p[0].x);
        if (area == 0 || (!twoSided && area > 0)) return;  // seen from behind (y runs down the picture)
        Vec3 n = Normalized(Cross(b - a, c - a));
        if (Dot(n, camera_.Forward()) > 0) n = (-1.0) * n;
        const double shade = 0.45 + 0.55 * std::max(0.0, Dot(n, light_));
        const Rgb lit = Mix({0, 0, 0}, colour, shade);
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
        const int x1 = std::min(image_.width - 1, static_cast<int>(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
        const int y1 = std::min(image_.height - 1, static_cast<int>(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                // Barycentric weights of the pixel centre; all of one sign inside.
                const double w0 = ((p[1].x - px) * (p[2].y - py) - (p[1].y - py) * (p[2].x - px)) / area;
                const double w1 = ((p[2].x - px) * (p[0].y - py) - (p[2].y - py) * (p[0].x - px)) / area;
                const double w2 = 1 - w0 - w1;
                // A hair outside counts in: a pixel on the edge two triangles share is always drawn.
                if (w0 < -kEdge || w1 < -kEdge || w2 < -kEdge) continue;
                Plot(x, y, w0 * Key(p[0]) + w1 * Key(p[1]) + w2 * Key(p[2]), lit);
            }
    }

    // A line a pixel wide, drawn over what lies behind it.
    void Line(Vec3 a, Vec3 b, Rgb colour) {
        const Pixel p = Project(a), q = Project(b);
        if (camera_.perspective && (p.depth < kNear || q.depth < kNear)) return;
        const int steps = std::max(1, static_cast<int>(std::ceil(std::max(std::fabs(q.x - p.x), std::fabs(q.y - p.y)))));
        if (steps > 4 * (image_.width + image_.height)) return;
        for (int k = 0; k <= steps; ++k) {
            const double t = static_cast<double>(k) / steps;
            const int x = static_cast<int>(std::floor(p.x + (q.x - p.x) * t));
            const int y = static_cast<int>(std::floor(p.y + (q.y - p.y) * t));
            if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) continue;
            // A little in front, so that the centre line on the deck is not hidden by the deck itself.
            Plot(x, y, Key(p) + (Key(q) - Key(p)) * t - LineBias(), colour);
        }
    }

    Image Take() { return std::move(image_); }

private:
    static constexpr double kNear = 0.05;
    static constexpr double kEdge = 1e-9;

    Pixel Project(Vec3 v) const { return camera_.Project(v, image_.width, image_.height); }
    // What the depth buffer compares: in perspective the reciprocal depth, which runs straight across a
    // triangle's picture; orthographic the depth itself.
    double Key(const Pixel& p) const { return camera_.perspective ? -1 / p.depth : p.depth; }
    double LineBias() const { return camera_.perspective ? 0 : 0.05; }

    void Plot(int x, int y, double key, Rgb colour) {
        const std::size_t i = static_cast<std::size_t>(y) * image_.width + x;
        if (key >= depth_[i]) return;
        depth_[i] = key;
        Put(static_cast<int>(i), colour);
    }
    void Put(int i, Rgb c) {
        image_.rgb[3 * i] = c.r;
        image_.rgb[3 * i + 1] = c.g;
        image_.rgb[3 * i + 2] = c.b;
    }

    const Camera& camera_;
    Image image_;
    std::vector<double> depth_;
    Vec3 light_;
};

void Chunk(std::string& png, const char* type, const std::string& data) {
    const auto n = static_cast<std::uint32_t>(data.size());
    for (int shift : {24, 16, 8, 0}) png.push_back(static_cast<char>((n >> shift) & 0xff));
    const std::string body = std::string(type, 4) + data;
    png += body;
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
    for (int shift : {24, 16, 8, 0}) png.push_back(static_cast<char>((crc >> shift) & 0xff));
}

std::string BigEndian(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

}  // namespace

Rgb Image::At(int x, int y) const {
    const std::size_t i = 3 * (static_cast<std::size_t>(y) * width + x);
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

Rgb ShownColour(const Part& part, bool highlighted) {
    if (highlighted) return kHighlight;
    if (part.severity == 'E') return Mix(part.colour, {230, 30, 30}, 0.6);
    if (part.severity == 'W') return Mix(part.colour, {245, 200, 20}, 0.5);
    return part.colour;
}

Image Render(const Scene& scene, const Camera& camera, int width, int height, int highlighted) {
    Canvas canvas(camera, width, height);
    const auto& parts = scene.parts();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part& part = parts[i];
        const Rgb colour = ShownColour(part, static_cast<int>(i) == highlighted);
        const bool twoSided = part.mesh.kind != bridge::MeshKind::Member || part.mesh.voidWallsEnd > 0;
        for (const bridge::Triangle& t : part.shown)
            canvas.Triangle(part.points[t[0]], part.points[t[1]], part.points[t[2]], colour, twoSided);
        for (const auto& l : part.mesh.lines) canvas.Line(part.points[l[0]], part.points[l[1]], colour);
    }
    return canvas.Take();
}

std::string WritePng(const Image& image, const std::string& path) {
    // Each row behind a filter byte 0 (none), the whole deflated.
    std::string raw;
    raw.reserve(image.rgb.size() + image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);
        raw.append(reinterpret_cast<const char*>(image.rgb.data()) + 3 * static_cast<std::size_t>(y) * image.width,
                   3 * static_cast<std::size_t>(image.width));
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), 6) != Z_OK)
        return "图片压缩失败。";
    packed.resize(size);
    std::string png = "\x89PNG\r\n\x1a\n";
    Chunk(png, "IHDR", BigEndian(image.width) + BigEndian(image.height) + std::string("\x08\x02\x00\x00\x00", 5));
    Chunk(png, "IDAT", packed);
    Chunk(png, "IEND", "");
    if (!text::ReplaceFileContents(path, png)) return text::Format("无法写入图片文件 %s。", path.c_str());
    return "";
}

}  // namespace view3d
