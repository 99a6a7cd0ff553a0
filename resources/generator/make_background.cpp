// make_background.cpp - paints resources/background.png, the picture behind the
// main window of the beam deflection program.
//
// The scene is painted procedurally so the picture can be regenerated and
// reviewed like any other source: two tabby kittens seen from behind, sitting
// on a wooden sill and looking out at a blurred night city (round bokeh lights
// on a dark reddish-brown haze).
//
// All light is accumulated in linear floating point RGB and tone mapped once at
// the end, which is what makes the additive bokeh, blur and bloom look like a
// photograph rather than a drawing. Every random choice comes from one
// fixed-seed std::mt19937 or from a seeded integer hash, so every run writes a
// byte-identical file.
//
// Usage: make-background <output.png>

#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

namespace {

// --- Picture layout ------------------------------------------------------

constexpr int kWidth = 640;
constexpr int kHeight = 480;
// The window shows only the top-left part, so the composition and the
// vignette are centred on that part rather than on the whole picture.
constexpr float kVisibleCentreX = 250.0f;
constexpr float kVisibleCentreY = 208.0f;

constexpr std::uint32_t kSeed = 0x6b697474u; // fixed: identical output on every run

constexpr float kFarEdgeY = 330.0f; // far edge of the wooden sill; the city lies beyond
constexpr float kContactY = 372.0f; // where the kittens sit on the wood
constexpr float kWoodHorizonY = 205.0f; // vanishing line that gives the wood its perspective

constexpr float kPi = std::numbers::pi_v<float>;

// --- Small maths helpers -------------------------------------------------

struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;

    Rgb& operator+=(const Rgb& o)
    {
        r += o.r;
        g += o.g;
        b += o.b;
        return *this;
    }
    friend Rgb operator+(Rgb a, const Rgb& o) { return a += o; }
    friend Rgb operator-(const Rgb& a, const Rgb& o) { return {a.r - o.r, a.g - o.g, a.b - o.b}; }
    friend Rgb operator*(const Rgb& a, float s) { return {a.r * s, a.g * s, a.b * s}; }
    friend Rgb operator*(float s, const Rgb& a) { return a * s; }
    friend Rgb operator*(const Rgb& a, const Rgb& o) { return {a.r * o.r, a.g * o.g, a.b * o.b}; }
};

Rgb mix(const Rgb& a, const Rgb& b, float t)
{
    return a + (b - a) * t;
}
float luminance(const Rgb& c)
{
    return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b;
}
float square(float v)
{
    return v * v;
}
float clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}

// Works in both directions (edge0 > edge1 gives a falling edge).
float smoothstep(float edge0, float edge1, float x)
{
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

// A width x height grid of T with clamped bilinear sampling.
template<typename T>
struct Buffer {
    std::vector<T> px;

    explicit Buffer(T fill = T{})
        : px(static_cast<std::size_t>(kWidth) * kHeight, fill)
    {
    }

    T& at(int x, int y) { return px[static_cast<std::size_t>(y) * kWidth + x]; }
    const T& at(int x, int y) const { return px[static_cast<std::size_t>(y) * kWidth + x]; }

    T clamped(int x, int y) const { return at(std::clamp(x, 0, kWidth - 1), std::clamp(y, 0, kHeight - 1)); }

    T sample(float x, float y) const
    {
        const float fx = std::floor(x);
        const float fy = std::floor(y);
        const int ix = static_cast<int>(fx);
        const int iy = static_cast<int>(fy);
        const float tx = x - fx;
        const float ty = y - fy;
        const T top = clamped(ix, iy) * (1.0f - tx) + clamped(ix + 1, iy) * tx;
        const T bottom = clamped(ix, iy + 1) * (1.0f - tx) + clamped(ix + 1, iy + 1) * tx;
        return top * (1.0f - ty) + bottom * ty;
    }
};
using Plane = Buffer<float>;
using Picture = Buffer<Rgb>;

// Colour plus coverage, used for the kittens before they are laid over the
// scene. The colour is premultiplied by the coverage, so the layer can be
// blurred without dark fringes.
struct Layer {
    Picture colour;
    Plane alpha;
};

// Deterministic random numbers: the engine is fixed by the standard, and the
// conversions to float are done here rather than by library distributions,
// whose algorithms differ between standard libraries.
class Random {
public:
    explicit Random(std::uint32_t seed)
        : engine_(seed)
    {
    }

    float uniform() { return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f); }
    float range(float lo, float hi) { return lo + (hi - lo) * uniform(); }
    float gaussian()
    {
        const float u1 = std::max(uniform(), 1e-7f);
        const float u2 = uniform();
        return std::sqrt(-2.0f * std::log(u1)) * std::cos(2.0f * kPi * u2);
    }

private:
    std::mt19937 engine_;
};

// --- Value noise ---------------------------------------------------------

float hashToUnit(int x, int y, std::uint32_t salt)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u;
    h ^= static_cast<std::uint32_t>(y) * 0xd8163841u;
    h ^= salt * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xffffffu) / 16777215.0f;
}

// Smoothly interpolated lattice noise in [0, 1].
float valueNoise(float x, float y, std::uint32_t salt)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = smoothstep(0.0f, 1.0f, x - fx);
    const float ty = smoothstep(0.0f, 1.0f, y - fy);
    const float top = hashToUnit(ix, iy, salt) * (1.0f - tx) + hashToUnit(ix + 1, iy, salt) * tx;
    const float bottom = hashToUnit(ix, iy + 1, salt) * (1.0f - tx) + hashToUnit(ix + 1, iy + 1, salt) * tx;
    return top * (1.0f - ty) + bottom * ty;
}

// Fractal noise, roughly in [-1, 1].
float fbm(float x, float y, int octaves, std::uint32_t salt)
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float norm = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += (valueNoise(x, y, salt + static_cast<std::uint32_t>(i) * 101u) - 0.5f) * 2.0f * amplitude;
        norm += amplitude;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f + 5.3f;
        amplitude *= 0.5f;
    }
    return sum / norm;
}

// --- Blur ----------------------------------------------------------------

std::vector<float> gaussianKernel(float sigma)
{
    const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0f)));
    std::vector<float> kernel(static_cast<std::size_t>(2 * radius + 1));
    float sum = 0.0f;
    for (int k = 0; k <= 2 * radius; ++k) {
        const int i = k - radius;
        const float w = std::exp(-0.5f * square(static_cast<float>(i) / sigma));
        kernel[static_cast<std::size_t>(k)] = w;
        sum += w;
    }
    for (float& w : kernel)
        w /= sum;
    return kernel;
}

// One separable pass; edges are clamped so borders do not darken.
template<typename T>
void blurPass(Buffer<T>& img, float sigma, bool horizontal)
{
    if (sigma <= 0.05f)
        return;
    const std::vector<float> kernel = gaussianKernel(sigma);
    const int radius = static_cast<int>(kernel.size() / 2);
    const Buffer<T> src = img;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            T sum{};
            for (int k = 0; k <= 2 * radius; ++k) {
                const int i = k - radius;
                const T& v = horizontal ? src.clamped(x + i, y) : src.clamped(x, y + i);
                sum = sum + v * kernel[static_cast<std::size_t>(k)];
            }
            img.at(x, y) = sum;
        }
    }
}

template<typename T>
Buffer<T> blurred(Buffer<T> img, float sigmaX, float sigmaY)
{
    blurPass(img, sigmaX, true);
    blurPass(img, sigmaY, false);
    return img;
}

// --- Night sky and city haze ---------------------------------------------

// Dark reddish-brown ground, brightest just above the sill where the city is
// densest, with darker blurred building masses so it is not a flat gradient.
Picture paintSky(Random& rng)
{
    constexpr Rgb kZenith{0.009f, 0.0036f, 0.0026f};
    constexpr Rgb kCityGlow{0.085f, 0.030f, 0.016f};

    Plane buildings(1.0f);
    for (int i = 0; i < 16; ++i) {
        const float left = rng.range(-40.0f, kWidth);
        const float width = rng.range(30.0f, 110.0f);
        const float top = rng.range(110.0f, 250.0f);
        const float darkness = rng.range(0.45f, 0.75f);
        for (int y = std::max(0, static_cast<int>(top)); y < kHeight; ++y)
            for (int x = std::max(0, static_cast<int>(left)); x < std::min(kWidth, static_cast<int>(left + width)); ++x)
                buildings.at(x, y) = std::min(buildings.at(x, y), darkness);
    }
    buildings = blurred(buildings, 10.0f, 10.0f);

    Picture sky;
    for (int y = 0; y < kHeight; ++y) {
        const float glow = std::pow(clamp01(static_cast<float>(y) / kFarEdgeY), 2.4f);
        for (int x = 0; x < kWidth; ++x) {
            const float cloud = 1.0f + 0.35f * fbm(x * 0.007f, y * 0.011f, 4, 11u);
            sky.at(x, y) = mix(kZenith, kCityGlow, glow) * (cloud * buildings.at(x, y));
        }
    }
    return sky;
}

// --- Bokeh lights --------------------------------------------------------

struct Light {
    float x;
    float y;
    float radius;
    float intensity;
    Rgb colour;
};

// One band of lights across the city: a street, a row of windows, a road
// with headlights (white) or tail lights (red).
struct LightRow {
    float y;
    int count;
    float minRadius;
    float maxRadius;
    float minIntensity;
    float maxIntensity;
    float redShare;
    float slope; // rows are slightly tilted, like streets seen in perspective
    float jitter; // vertical scatter around the row
};

constexpr Rgb kWarmWhite{1.00f, 0.84f, 0.64f};
constexpr Rgb kCoolWhite{0.92f, 0.92f, 0.90f};
constexpr Rgb kSodium{1.00f, 0.55f, 0.22f};
constexpr Rgb kTailRed{1.00f, 0.09f, 0.045f};
constexpr Rgb kDeepRed{0.85f, 0.05f, 0.06f};

Rgb pickLightColour(Random& rng, float redShare)
{
    if (rng.uniform() < redShare)
        return rng.uniform() < 0.7f ? kTailRed : kDeepRed;
    const float pick = rng.uniform();
    if (pick < 0.55f)
        return kWarmWhite;
    if (pick < 0.8f)
        return kCoolWhite;
    return kSodium;
}

std::vector<Light> placeCityLights(Random& rng)
{
    constexpr std::array kRows{
        LightRow{92.0f, 18, 3.5f, 7.0f, 0.15f, 0.7f, 0.30f, 0.03f, 5.0f},
        LightRow{134.0f, 18, 5.0f, 10.0f, 0.20f, 1.1f, 0.35f, -0.03f, 5.0f},
        LightRow{180.0f, 17, 7.0f, 13.0f, 0.40f, 2.2f, 0.08f, 0.04f, 3.0f}, // oncoming headlights
        LightRow{206.0f, 19, 7.0f, 13.0f, 0.35f, 1.9f, 0.95f, 0.04f, 3.0f}, // tail lights
        LightRow{252.0f, 12, 10.0f, 18.0f, 0.35f, 1.9f, 0.50f, -0.02f, 5.0f},
        LightRow{298.0f, 8, 14.0f, 24.0f, 0.25f, 1.2f, 0.50f, 0.0f, 6.0f},
    };

    std::vector<Light> lights;
    for (const LightRow& row : kRows) {
        for (int i = 0; i < row.count; ++i) {
            const float x = rng.range(-25.0f, kWidth + 25.0f);
            const float y = row.y + row.slope * (x - kWidth / 2.0f) + rng.gaussian() * row.jitter;
            const float radius = rng.range(row.minRadius, row.maxRadius);
            // Mostly dim lights with a few bright ones, as in a real street.
            const float intensity = row.minIntensity + (row.maxIntensity - row.minIntensity) * square(rng.uniform());
            lights.push_back({x, y, radius, intensity, pickLightColour(rng, row.redShare)});
        }
    }
    // Scattered small windows everywhere in the city.
    for (int i = 0; i < 40; ++i) {
        const float x = rng.range(0.0f, kWidth);
        const float y = rng.range(70.0f, kFarEdgeY);
        lights.push_back({x, y, rng.range(2.5f, 6.0f), rng.range(0.1f, 0.6f), pickLightColour(rng, 0.25f)});
    }
    // A few very large, faint discs from lights much closer to the lens.
    for (int i = 0; i < 4; ++i) {
        const float x = rng.range(0.0f, kWidth);
        const float y = rng.range(110.0f, 300.0f);
        lights.push_back({x, y, rng.range(32.0f, 46.0f), rng.range(0.05f, 0.11f), pickLightColour(rng, 0.4f)});
    }
    return lights;
}

// An out-of-focus light: a flat disc with a soft edge and a slightly brighter
// rim, clipped into a cat's-eye shape towards the corners as real lenses do.
void paintBokehDisc(Picture& pic, const Light& light)
{
    constexpr float kCatsEye = 0.35f;
    constexpr float kOpticalReach = 420.0f;

    const float edge = 0.7f + 0.05f * light.radius; // bigger discs are softer
    const float clipX = light.x - (light.x - kVisibleCentreX) / kOpticalReach * light.radius * kCatsEye;
    const float clipY = light.y - (light.y - kVisibleCentreY) / kOpticalReach * light.radius * kCatsEye;
    const float reach = light.radius + 2.0f * edge;
    const int x0 = std::max(0, static_cast<int>(std::floor(light.x - reach)));
    const int x1 = std::min(kWidth - 1, static_cast<int>(std::ceil(light.x + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(light.y - reach)));
    const int y1 = std::min(kHeight - 1, static_cast<int>(std::ceil(light.y + reach)));

    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x - light.x, y - light.y);
            const float dClip = std::hypot(x - clipX, y - clipY);
            const float cover = smoothstep(light.radius + edge, light.radius - edge, d)
                                * smoothstep(light.radius * 1.1f + edge, light.radius * 1.1f - edge, dClip);
            if (cover <= 0.0f)
                continue;
            const float rr = d / light.radius;
            const float body = 0.72f + 0.22f * rr * rr;
            const float rim = 0.40f * std::exp(-square((d - (light.radius - 1.2f * edge)) / (edge + 0.6f)));
            const float texture = 1.0f + 0.08f * (valueNoise(x * 0.3f, y * 0.3f, 23u) - 0.5f);
            pic.at(x, y) += light.colour * (light.intensity * cover * (body + rim) * texture);
        }
    }
}

void paintBokeh(Picture& sky, Random& rng)
{
    Picture lights;
    for (const Light& light : placeCityLights(rng))
        paintBokehDisc(lights, light);

    // Light scattered by the air and the window glass.
    const Picture haze = blurred(lights, 24.0f, 24.0f);
    for (std::size_t i = 0; i < sky.px.size(); ++i)
        sky.px[i] += lights.px[i] + haze.px[i] * 0.3f;
    sky = blurred(sky, 0.8f, 0.8f);
}

// --- Kittens -------------------------------------------------------------

struct KittenLook {
    Rgb fur; // ground colour of the coat
    Rgb stripes; // tabby markings
    Rgb tips; // pale hair tips
    Rgb earSkin; // thin ear skin glowing in the back light
};

struct KittenPose {
    float x; // centre of the base, in pixels
    float scale; // 1 = about 130 px wide
    float headTilt; // degrees, positive turns the head clockwise
    float tailSide; // -1 tail curls to the left, +1 to the right
    std::uint32_t salt;
};

enum class Part { Body, Head, Ear, Tail };

// Outline of one kitten in its own units (origin at the middle of the base,
// y pointing down) and the transforms that place body and head in the picture.
struct KittenShape {
    QTransform bodyToImage;
    QTransform headToImage;
    QPainterPath body;
    QPainterPath head;
    std::array<QPainterPath, 2> ears;
    std::array<QPainterPath, 2> innerEars;
    QPainterPath tail;
    std::array<QPointF, 2> earTips; // in the picture
    std::vector<QPointF> tailSpine; // in the picture, base to tip
    QPointF neck; // in the picture
    QPointF crown; // in the picture
    float scale = 1.0f;
};

constexpr QPointF kNeckLocal{0.0, -128.0};
constexpr QPointF kHeadCentreLocal{0.0, -152.0};
constexpr qreal kHeadRadiusX = 42.0;
constexpr qreal kHeadRadiusY = 37.0;

QPainterPath kittenBodyPath()
{
    // A pear: wide haunches at the bottom narrowing to the shoulders.
    QPainterPath p;
    p.moveTo(0, 0);
    p.cubicTo(-34, 1, -62, -2, -63, -28);
    p.cubicTo(-64, -58, -50, -80, -42, -100);
    p.cubicTo(-36, -116, -22, -131, 0, -132);
    p.cubicTo(22, -131, 36, -116, 42, -100);
    p.cubicTo(50, -80, 64, -58, 63, -28);
    p.cubicTo(62, -2, 34, 1, 0, 0);
    return p;
}

QPainterPath kittenHeadPath()
{
    // Slightly wider at the cheeks than at the crown.
    QPainterPath p;
    p.addEllipse(kHeadCentreLocal, kHeadRadiusX, kHeadRadiusY);
    QPainterPath cheeks;
    cheeks.addEllipse(kHeadCentreLocal + QPointF(0, 9), kHeadRadiusX + 4, kHeadRadiusY - 10);
    return p.united(cheeks);
}

// side = -1 for the left ear, +1 for the right one.
QPainterPath kittenEarPath(qreal side)
{
    QPainterPath p;
    p.moveTo(side * 39, -160);
    p.quadTo(side * 46, -192, side * 38, -218); // outer edge up to the tip
    p.quadTo(side * 20, -204, side * 6, -186); // inner edge down to the crown
    p.closeSubpath();
    return p;
}

// The pink inside of the ear shows as a thin sliver along its outer edge.
QPainterPath kittenInnerEarPath(qreal side)
{
    QPainterPath p;
    p.moveTo(side * 38, -166);
    p.quadTo(side * 44, -192, side * 37.5, -214);
    p.quadTo(side * 38, -190, side * 33, -168);
    p.closeSubpath();
    return p;
}

KittenShape buildKittenShape(const KittenPose& pose)
{
    KittenShape shape;
    shape.scale = pose.scale;
    shape.bodyToImage = QTransform().translate(pose.x, kContactY).scale(pose.scale, pose.scale);
    const QTransform headTilt = QTransform()
                                    .translate(kNeckLocal.x(), kNeckLocal.y())
                                    .rotate(pose.headTilt)
                                    .translate(-kNeckLocal.x(), -kNeckLocal.y());
    shape.headToImage = headTilt * shape.bodyToImage;

    shape.body = shape.bodyToImage.map(kittenBodyPath());
    shape.head = shape.headToImage.map(kittenHeadPath());
    for (int i = 0; i < 2; ++i) {
        const qreal side = i == 0 ? -1.0 : 1.0;
        shape.ears[static_cast<std::size_t>(i)] = shape.headToImage.map(kittenEarPath(side));
        shape.innerEars[static_cast<std::size_t>(i)] = shape.headToImage.map(kittenInnerEarPath(side));
        shape.earTips[static_cast<std::size_t>(i)] = shape.headToImage.map(QPointF(side * 38, -218));
    }
    shape.neck = shape.bodyToImage.map(kNeckLocal);
    shape.crown = shape.headToImage.map(kHeadCentreLocal + QPointF(0, -22));

    // The tail leaves the base of the spine towards the camera and curls
    // sideways along the wood; it is a tapered tube around a Bezier spine.
    const qreal s = pose.tailSide;
    const std::array<QPointF, 4> ctrl{QPointF(s * 4, -12), QPointF(s * 12, 26), QPointF(s * 64, 36),
                                      QPointF(s * 90, 12)};
    constexpr int kSpineSteps = 48;
    QPolygonF leftSide;
    QPolygonF rightSide;
    qreal tipWidth = 0;
    for (int i = 0; i <= kSpineSteps; ++i) {
        const qreal t = static_cast<qreal>(i) / kSpineSteps;
        const qreal u = 1 - t;
        const QPointF point = ctrl[0] * (u * u * u) + ctrl[1] * (3 * u * u * t) + ctrl[2] * (3 * u * t * t)
                              + ctrl[3] * (t * t * t);
        const QPointF tangent = (ctrl[1] - ctrl[0]) * (3 * u * u) + (ctrl[2] - ctrl[1]) * (6 * u * t)
                                + (ctrl[3] - ctrl[2]) * (3 * t * t);
        const qreal length = std::hypot(tangent.x(), tangent.y());
        const QPointF normal(-tangent.y() / length, tangent.x() / length);
        const qreal halfWidth = 11.0 - 4.5 * t;
        leftSide << point + normal * halfWidth;
        rightSide.prepend(point - normal * halfWidth);
        shape.tailSpine.push_back(shape.bodyToImage.map(point));
        tipWidth = halfWidth;
    }
    QPainterPath tail;
    tail.addPolygon(leftSide + rightSide);
    tail.closeSubpath();
    QPainterPath tip;
    tip.addEllipse(ctrl[3], tipWidth, tipWidth);
    shape.tail = shape.bodyToImage.map(tail.united(tip));
    return shape;
}

// Antialiased coverage of a path, 0..1 per pixel.
Plane rasterise(const QPainterPath& path)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(path, Qt::white);
    }
    Plane plane;
    for (int y = 0; y < kHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < kWidth; ++x)
            plane.at(x, y) = static_cast<float>(qAlpha(line[x])) / 255.0f;
    }
    return plane;
}

struct KittenMasks {
    Plane body;
    Plane head; // without the ears
    Plane ears;
    Plane innerEars;
    Plane tail;
    Plane silhouette;
};

KittenMasks rasteriseKitten(const KittenShape& shape)
{
    KittenMasks m;
    m.body = rasterise(shape.body);
    m.head = rasterise(shape.head);
    m.ears = rasterise(shape.ears[0].united(shape.ears[1]));
    m.innerEars = rasterise(shape.innerEars[0].united(shape.innerEars[1]));
    m.tail = rasterise(shape.tail);
    m.silhouette = rasterise(
        shape.body.united(shape.head).united(shape.ears[0]).united(shape.ears[1]).united(shape.tail));
    return m;
}

QPointF normalised(QPointF v, QPointF fallback)
{
    const qreal length = std::hypot(v.x(), v.y());
    return length > 1e-6 ? v / length : fallback;
}

// Index of the tail spine point nearest to p.
std::size_t nearestSpinePoint(const KittenShape& shape, QPointF p)
{
    std::size_t best = 0;
    qreal bestDistance = 1e30;
    for (std::size_t i = 0; i < shape.tailSpine.size(); ++i) {
        const QPointF d = shape.tailSpine[i] - p;
        const qreal distance = QPointF::dotProduct(d, d);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// Direction the hair lies in at p: away from the neck on the body, away from
// the crown on the head, up to the tip on the ears and along the tail.
QPointF furDirection(const KittenShape& shape, Part part, QPointF p, std::uint32_t salt)
{
    QPointF dir;
    switch (part) {
    case Part::Body:
        dir = normalised(p - shape.neck, QPointF(0, 1));
        break;
    case Part::Head:
        dir = normalised(p - shape.crown, QPointF(0, 1));
        break;
    case Part::Ear: {
        const QPointF tip = QLineF(p, shape.earTips[0]).length() < QLineF(p, shape.earTips[1]).length()
                                ? shape.earTips[0]
                                : shape.earTips[1];
        dir = normalised(tip - p, QPointF(0, -1));
        break;
    }
    case Part::Tail: {
        const std::size_t i = std::min(nearestSpinePoint(shape, p), shape.tailSpine.size() - 2);
        dir = normalised(shape.tailSpine[i + 1] - shape.tailSpine[i], QPointF(1, 0));
        break;
    }
    }
    // Hair is never perfectly combed.
    const qreal wave = 0.35 * fbm(static_cast<float>(p.x()) * 0.06f, static_cast<float>(p.y()) * 0.06f, 2, salt);
    const qreal c = std::cos(wave);
    const qreal s = std::sin(wave);
    return {dir.x() * c - dir.y() * s, dir.x() * s + dir.y() * c};
}

// Which part a pixel belongs to, judged on slightly grown masks so the hairs
// sticking out past the outline follow the part they grow from.
// The head's own hairy edge over the shoulders and the ears is decided later.
Part partAt(const KittenMasks& masks, const KittenMasks& grown, int x, int y)
{
    if (grown.tail.at(x, y) > 0.3f)
        return Part::Tail;
    if (masks.head.at(x, y) >= 0.5f)
        return Part::Head;
    if (grown.ears.at(x, y) > 0.3f && grown.ears.at(x, y) >= grown.head.at(x, y))
        return Part::Ear;
    if (grown.head.at(x, y) > grown.body.at(x, y))
        return Part::Head;
    return Part::Body;
}

// Tabby markings, 0 = ground colour, 1 = dark stripe.
float tabbyPattern(const KittenShape& shape, Part part, QPointF p, std::uint32_t salt)
{
    switch (part) {
    case Part::Body: {
        // Mackerel stripes branch from a dark line down the spine and bend
        // downwards along the flanks.
        const QPointF local = shape.bodyToImage.inverted().map(p);
        const float lx = static_cast<float>(local.x());
        const float ly = static_cast<float>(-local.y());
        const float warp = fbm(lx * 0.03f, ly * 0.03f, 3, salt + 1u);
        const float offset = static_cast<float>(salt % 13u); // each kitten has its own coat
        const float band = 0.5f + 0.5f * std::sin(ly * 0.17f + lx * lx * 0.003f + warp * 2.8f + offset);
        // Real markings are broken up and fade in and out.
        const float strength = 0.45f + 0.55f * smoothstep(-0.5f, 0.4f, fbm(lx * 0.05f, ly * 0.05f, 3, salt + 4u));
        const float haunches = 0.45f + 0.55f * smoothstep(10.0f, 50.0f, ly); // fewer marks low down
        const float stripes = smoothstep(0.55f, 0.92f, band) * strength * haunches;
        const float spine = std::exp(-square(lx / 9.0f)) * smoothstep(25.0f, 80.0f, ly);
        return std::max(stripes, 0.7f * spine);
    }
    case Part::Head: {
        // A few thin lines running from the forehead down the back of the
        // head, converging slightly towards the crown.
        const QPointF local = shape.headToImage.inverted().map(p) - kHeadCentreLocal;
        const float hx = static_cast<float>(local.x());
        const float hy = static_cast<float>(local.y());
        const float warp = fbm(hx * 0.05f, hy * 0.05f, 2, salt + 2u);
        const float converge = 1.0f + 0.012f * std::max(0.0f, -hy);
        const float band = 0.5f + 0.5f * std::cos(hx * converge * 0.42f + warp * 1.2f);
        const float across = std::exp(-square(hx / 24.0f)); // lines only on the middle of the head
        return smoothstep(0.6f, 0.92f, band) * across * 0.85f;
    }
    case Part::Ear:
        return 0.6f; // backs of the ears are dark
    case Part::Tail: {
        const std::size_t i = nearestSpinePoint(shape, p);
        const float along = static_cast<float>(i) / static_cast<float>(shape.tailSpine.size() - 1);
        const float warp = fbm(static_cast<float>(p.x()) * 0.08f, static_cast<float>(p.y()) * 0.08f, 2, salt + 3u);
        const float band = 0.5f + 0.5f * std::sin(along * 2.0f * kPi * 4.0f + warp * 1.5f);
        return std::max(0.8f * smoothstep(0.5f, 0.9f, band), smoothstep(0.85f, 0.98f, along)); // dark tip
    }
    }
    return 0.0f;
}

// Hair strands: white noise smeared along the fur direction (line integral
// convolution). Returned in standard units, mean 0 and deviation 1.
float strandAt(const Plane& noise, QPointF p, QPointF dir, int halfLength)
{
    float sum = 0.0f;
    for (int k = -halfLength; k <= halfLength; ++k) {
        const QPointF q = p + dir * (0.9 * k);
        sum += noise.sample(static_cast<float>(q.x()), static_cast<float>(q.y())) - 0.5f;
    }
    // Uniform noise has deviation 1/sqrt(12); bilinear sampling smooths it a
    // little more, hence the empirical 0.75.
    return sum / std::sqrt(static_cast<float>(2 * halfLength + 1)) / (0.2887f * 0.75f);
}

struct Strands {
    QPointF dir; // direction the hair lies in
    float fine; // short strands
    float coarse; // longer locks
};

Strands strandsAt(const KittenShape& shape, Part part, QPointF p, std::uint32_t salt, const Plane& noise)
{
    const QPointF dir = furDirection(shape, part, p, salt);
    return {dir, strandAt(noise, p, dir, 3), strandAt(noise, p + QPointF(211, 97), dir, 6)};
}

// How far a hair reaches out of the outline, and whether a pixel is covered
// by hair: the mask is looked up a little way back along the hair, so hairs
// pointing outwards poke out of the silhouette.
float hairCover(const Plane& softMask, QPointF p, const Strands& st, float furLength)
{
    const float reach = furLength * (0.55f + 0.45f * std::clamp(st.coarse * 0.5f, -1.0f, 1.0f));
    const float behind = softMask.sample(static_cast<float>(p.x() - st.dir.x() * reach),
                                         static_cast<float>(p.y() - st.dir.y() * reach));
    const float here = softMask.sample(static_cast<float>(p.x()), static_cast<float>(p.y()));
    const float base = std::max(behind, here);
    if (base < 0.08f)
        return 0.0f; // no loose hairs floating in the air
    // Solid inside: strand noise only frays the outline, it never makes holes.
    return std::max(smoothstep(0.3f, 0.7f, base + 0.16f * st.fine), smoothstep(0.75f, 0.95f, here));
}

// Paints one kitten into the layer. The backdrop supplies the colour of the
// rim light that the city throws on the edges of the fur.
void paintKitten(Layer& layer, const KittenPose& pose, const KittenLook& look, const Picture& backdropGlow,
                 const Plane& noise)
{
    constexpr Rgb kRoomLight{0.62f, 0.48f, 0.34f}; // dim warm lamp behind the camera
    constexpr Rgb kCityAmbient{0.10f, 0.05f, 0.045f};
    constexpr Rgb kWoodBounce{0.16f, 0.075f, 0.03f};
    constexpr float kLightX = -0.45f, kLightY = -0.55f, kLightZ = 0.70f; // from the upper left, behind the camera
    constexpr float kRimStrength = 4.0f;

    const KittenShape shape = buildKittenShape(pose);
    const KittenMasks masks = rasteriseKitten(shape);
    const float s = pose.scale;

    KittenMasks grown;
    grown.body = blurred(masks.body, 3.0f, 3.0f);
    grown.head = blurred(masks.head, 3.0f, 3.0f);
    grown.ears = blurred(masks.ears, 3.0f, 3.0f);
    grown.tail = blurred(masks.tail, 3.0f, 3.0f);
    const Plane edgeSoft = blurred(masks.silhouette, 1.0f, 1.0f);
    const Plane headSoft = blurred(masks.head, 1.0f, 1.0f);
    const Plane rimZone = blurred(masks.silhouette, 2.8f * s, 2.8f * s);
    const Plane roundness = blurred(masks.silhouette, 10.0f * s, 10.0f * s);
    const Plane headRoundness = blurred(masks.head, 7.0f * s, 7.0f * s);
    const Plane earEdges = blurred(masks.ears, 2.2f * s, 2.2f * s);
    const Plane innerEars = blurred(masks.innerEars, 0.7f, 0.7f);
    const Plane headShadow = blurred(masks.head, 5.0f * s, 5.0f * s);

    const QRectF box = shape.body.united(shape.head)
                           .united(shape.ears[0])
                           .united(shape.ears[1])
                           .united(shape.tail)
                           .boundingRect()
                           .adjusted(-12, -12, 12, 12);
    const int x0 = std::max(1, static_cast<int>(box.left()));
    const int x1 = std::min(kWidth - 2, static_cast<int>(box.right()));
    const int y0 = std::max(1, static_cast<int>(box.top()));
    const int y1 = std::min(kHeight - 2, static_cast<int>(box.bottom()));
    const float furLength = 4.5f * s;

    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const QPointF p(x, y);
            Part part = partAt(masks, grown, x, y);
            Strands st = strandsAt(shape, part, p, pose.salt, noise);
            // Hairs do not hang down into the wood the kitten sits on.
            const float length = part == Part::Tail
                                     ? furLength * 0.6f
                                     : furLength
                                           * smoothstep(kContactY + 2.0f, kContactY - 10.0f, static_cast<float>(y));
            const float alpha = hairCover(edgeSoft, p, st, length);
            if (alpha <= 0.0f)
                continue;
            // The head's fur overlaps the shoulders and the base of the ears
            // with a hairy edge.
            if ((part == Part::Body || part == Part::Ear) && grown.head.at(x, y) > 0.01f) {
                const Strands headStrands = strandsAt(shape, Part::Head, p, pose.salt, noise);
                if (hairCover(headSoft, p, headStrands, furLength) > 0.5f) {
                    part = Part::Head;
                    st = headStrands;
                }
            }
            const float fine = st.fine;
            const float coarse = st.coarse;

            // Coat colour: tabby stripes with hairy edges, strand brightness, pale tips.
            const float stripe = clamp01(tabbyPattern(shape, part, p, pose.salt) + 0.12f * fine);
            Rgb albedo = mix(look.fur, look.stripes, stripe);
            albedo = albedo * std::max(0.25f, 1.0f + 0.16f * fine + 0.10f * coarse);
            albedo = mix(albedo, look.tips, 0.35f * smoothstep(1.2f, 2.4f, fine) * (1.0f - stripe));
            albedo = mix(albedo, look.earSkin * 0.6f, 0.9f * innerEars.at(x, y));

            // Soft round shading from a blurred silhouette treated as height.
            constexpr float kBulge = 38.0f;
            // The head is a ball of its own in front of the shoulders.
            const Plane& height = part == Part::Head ? headRoundness : roundness;
            const float gx = (height.at(x + 1, y) - height.at(x - 1, y)) * 0.5f * kBulge;
            const float gy = (height.at(x, y + 1) - height.at(x, y - 1)) * 0.5f * kBulge;
            const float nz = 1.0f / std::sqrt(gx * gx + gy * gy + 1.0f);
            const float nDotL = (-gx * kLightX - gy * kLightY + kLightZ) * nz;
            const float diffuse = clamp01((nDotL + 0.25f) / 1.25f);
            Rgb colour = albedo * (kRoomLight * (0.85f * diffuse) + kCityAmbient);

            // Shadow of the head on the shoulders, and of the kitten on its own base.
            if (part == Part::Body)
                colour = colour
                         * (1.0f
                            - 0.5f * headShadow.at(x, std::max(0, y - static_cast<int>(7 * s)))
                                  * (1.0f - masks.head.at(x, y)));
            if (part != Part::Tail) {
                colour = colour * (1.0f - 0.45f * smoothstep(kContactY - 26.0f * s, kContactY, static_cast<float>(y)));
                colour += albedo * kWoodBounce * smoothstep(kContactY - 45.0f * s, kContactY, static_cast<float>(y));
            }

            // Rim light from the city on edges that face up or sideways.
            const float ex = rimZone.at(x + 1, y) - rimZone.at(x - 1, y);
            const float ey = rimZone.at(x, y + 1) - rimZone.at(x, y - 1);
            const float el = std::hypot(ex, ey);
            const float facingUp = el > 1e-5f ? ey / el : 0.0f; // the mask grows inwards
            const float edgeness = smoothstep(0.9f, 0.35f, rimZone.at(x, y));
            float rim = edgeness * clamp01(0.2f + 1.0f * facingUp) * (0.65f + 0.35f * std::clamp(fine, -1.0f, 2.0f));
            if (part == Part::Tail)
                rim *= 0.25f; // the tail lies low in the shadow of the body
            const Rgb cityLight = backdropGlow.sample(static_cast<float>(x), static_cast<float>(y) - 30.0f)
                                  + Rgb{0.05f, 0.03f, 0.02f};
            colour += cityLight * (kRimStrength * std::max(0.0f, rim));

            // Thin ear skin glows pink where the lights shine through it.
            if (part == Part::Ear) {
                const float thin = smoothstep(0.95f, 0.4f, earEdges.at(x, y)) * masks.ears.at(x, y);
                colour += look.earSkin * cityLight * (2.2f * thin) + look.earSkin * (0.02f * thin);
            }

            // Later kittens are drawn over earlier ones.
            layer.colour.at(x, y) = layer.colour.at(x, y) * (1.0f - alpha) + colour * alpha;
            layer.alpha.at(x, y) = layer.alpha.at(x, y) + alpha * (1.0f - layer.alpha.at(x, y));
        }
    }
}

Layer paintKittens(const Picture& backdrop, Random& rng)
{
    constexpr KittenLook kBrownTabby{
        {0.27f, 0.175f, 0.10f}, {0.06f, 0.038f, 0.024f}, {0.60f, 0.50f, 0.38f}, {1.0f, 0.42f, 0.38f}};
    constexpr KittenLook kGreyTabby{
        {0.22f, 0.205f, 0.19f}, {0.045f, 0.042f, 0.040f}, {0.55f, 0.53f, 0.50f}, {0.95f, 0.45f, 0.45f}};
    constexpr KittenPose kLeftKitten{205.0f, 1.0f, -6.0f, -1.0f, 101u};
    constexpr KittenPose kRightKitten{342.0f, 0.92f, 9.0f, 1.0f, 202u};

    Plane noise;
    for (float& v : noise.px)
        v = rng.uniform();
    const Picture glow = blurred(backdrop, 14.0f, 14.0f);

    Layer layer;
    paintKitten(layer, kLeftKitten, kBrownTabby, glow, noise);
    paintKitten(layer, kRightKitten, kGreyTabby, glow, noise);
    // A real lens never renders single hairs perfectly crisp.
    layer.colour = blurred(layer.colour, 0.45f, 0.45f);
    layer.alpha = blurred(layer.alpha, 0.45f, 0.45f);
    return layer;
}

// --- Wooden sill ---------------------------------------------------------

// Diffuse colour of the varnished wood: annual rings stretched along the
// board, fine fibres and broad blotches. Returns the colour and, through
// `ring`, how much latewood is at this point (used for the gloss).
Rgb woodAlbedo(int x, int y, float& ring)
{
    constexpr Rgb kEarlywood{0.20f, 0.10f, 0.05f};
    constexpr Rgb kLatewood{0.08f, 0.034f, 0.017f};

    const float depth = 125.0f / (static_cast<float>(y) - kWoodHorizonY); // 1 at the far edge
    const float along = (static_cast<float>(x) - kWidth / 2.0f) * depth; // position along the board
    const float phase = depth * 26.0f + 2.4f * fbm(along * 0.002f, depth * 1.2f, 4, 31u)
                        + 0.2f * fbm(along * 0.03f, depth * 18.0f, 3, 37u);
    ring = std::pow(0.5f + 0.5f * std::sin(phase * 2.0f * kPi), 3.0f);
    const float fibre = fbm(along * 0.04f, depth * 260.0f, 3, 41u);
    const float blotch = fbm(along * 0.006f, depth * 6.0f, 3, 43u);
    return mix(kEarlywood, kLatewood, 0.65f * ring) * (1.0f + 0.3f * fibre + 0.3f * blotch);
}

// Paints the sill in front of the city: diffuse wood, a glossy reflection of
// the lights and the kittens, and the soft shadow where the kittens sit.
void paintWood(Picture& scene, const Layer& kittens)
{
    constexpr Rgb kRoomLight{0.95f, 0.74f, 0.52f};
    constexpr Rgb kCityAmbient{0.07f, 0.035f, 0.03f};
    constexpr Rgb kEdgeHighlight{0.30f, 0.17f, 0.10f};
    const int top = static_cast<int>(kFarEdgeY) - 2;

    // Reflection: the backdrop mirrored at the far edge, the kittens mirrored
    // at the line they sit on, smeared by the slightly rough varnish.
    Picture reflection;
    for (int y = top; y < kHeight; ++y) {
        const float mirrorY = 2.0f * kFarEdgeY - static_cast<float>(y);
        const float kittenY = 2.0f * kContactY - static_cast<float>(y);
        for (int x = 0; x < kWidth; ++x) {
            Rgb r = scene.sample(static_cast<float>(x), mirrorY);
            if (kittenY < kContactY - 2.0f) {
                const float a = kittens.alpha.sample(static_cast<float>(x), kittenY);
                r = r * (1.0f - a) + kittens.colour.sample(static_cast<float>(x), kittenY) * 0.5f;
            }
            reflection.at(x, y) = r;
        }
    }
    reflection = blurred(reflection, 2.5f, 7.0f);

    Picture albedo;
    Plane rings;
    for (int y = top; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            albedo.at(x, y) = woodAlbedo(x, y, rings.at(x, y));
    // Depth of field: wood nearer the camera than the kittens is a bit soft.
    const Picture albedoSoft = blurred(albedo, 2.2f, 2.2f);

    const Plane shadowTight = blurred(kittens.alpha, 4.0f, 3.0f);
    const Plane shadowWide = blurred(kittens.alpha, 18.0f, 10.0f);

    for (int y = top; y < kHeight; ++y) {
        const float fy = static_cast<float>(y);
        const float cover = smoothstep(kFarEdgeY - 1.0f, kFarEdgeY + 1.5f, fy);
        const float soft = smoothstep(395.0f, kHeight, fy) + 0.4f * smoothstep(345.0f, kFarEdgeY, fy);
        const float nearness = smoothstep(kFarEdgeY, kHeight, fy);
        const float fresnel = 0.03f + 0.6f * std::exp(-(fy - kFarEdgeY) / 30.0f);
        for (int x = 0; x < kWidth; ++x) {
            const float fx = static_cast<float>(x);
            const Rgb base = mix(albedo.at(x, y), albedoSoft.at(x, y), clamp01(soft));
            Rgb colour = base * (kRoomLight * (0.22f + 0.55f * nearness) + kCityAmbient);
            // A broad soft sheen of the lamp behind the camera.
            colour += kRoomLight
                      * (0.035f * std::exp(-square((fx - 300.0f) / 200.0f)) * std::exp(-square((fy - 440.0f) / 45.0f)));
            const float gloss = fresnel * (1.0f - 0.45f * rings.at(x, y));
            colour += reflection.at(x, y) * gloss;
            // Contact shadow where the kittens sit (light comes from the camera
            // side, so it stays close around them).
            const float occlusion = 0.8f * shadowTight.sample(fx, fy - 3.0f) + 0.35f * shadowWide.at(x, y);
            colour = colour * (1.0f - std::min(0.9f, occlusion));
            // The rounded far edge catches a thin line of light.
            colour += kEdgeHighlight * std::exp(-square((fy - kFarEdgeY - 1.5f) / 1.1f));
            scene.at(x, y) = mix(scene.at(x, y), colour, cover);
        }
    }
}

// --- Finishing -------------------------------------------------------------

void composite(Picture& scene, const Layer& layer)
{
    for (std::size_t i = 0; i < scene.px.size(); ++i)
        scene.px[i] = scene.px[i] * (1.0f - layer.alpha.px[i]) + layer.colour.px[i];
}

// Bright lights bleed into their surroundings in the lens.
void addBloom(Picture& scene)
{
    Picture bright;
    for (std::size_t i = 0; i < scene.px.size(); ++i) {
        const float l = luminance(scene.px[i]);
        bright.px[i] = l > 0.6f ? scene.px[i] * ((l - 0.6f) / l) : Rgb{};
    }
    const Picture near = blurred(bright, 5.0f, 5.0f);
    const Picture wide = blurred(bright, 20.0f, 20.0f);
    for (std::size_t i = 0; i < scene.px.size(); ++i)
        scene.px[i] += near.px[i] * 0.25f + wide.px[i] * 0.2f;
}

void addVignette(Picture& scene)
{
    constexpr float kStrength = 0.6f;
    const float reach = std::hypot(kVisibleCentreX, kVisibleCentreY) * 1.25f;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const float r = std::hypot(x - kVisibleCentreX, y - kVisibleCentreY) / reach;
            scene.at(x, y) = scene.at(x, y) * (1.0f - kStrength * std::pow(std::min(r, 1.3f), 2.2f));
        }
}

// Filmic curve (Narkowicz's fit of the ACES tone curve).
float toneMap(float v)
{
    v = std::max(0.0f, v);
    return clamp01((v * (2.51f * v + 0.03f)) / (v * (2.43f * v + 0.59f) + 0.14f));
}

float encodeSrgb(float v)
{
    return v <= 0.0031308f ? 12.92f * v : 1.055f * std::pow(v, 1.0f / 2.4f) - 0.055f;
}

// Tone maps to 8-bit sRGB and adds a fine, slightly clumped film grain that is
// strongest in the mid tones, as on real film.
QImage develop(const Picture& scene, Random& rng)
{
    constexpr float kExposure = 1.5f;
    constexpr float kGrain = 0.018f;
    constexpr float kColourGrain = 0.003f;

    Plane grain;
    for (float& g : grain.px)
        g = rng.gaussian();
    grain = blurred(grain, 0.55f, 0.55f);
    constexpr float kGrainDeviationAfterBlur = 0.5f;

    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    for (int y = 0; y < kHeight; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = scene.at(x, y) * kExposure;
            std::array<float, 3> channels{encodeSrgb(toneMap(c.r)), encodeSrgb(toneMap(c.g)), encodeSrgb(toneMap(c.b))};
            const float level = (channels[0] + channels[1] + channels[2]) / 3.0f;
            const float amount = kGrain * (0.35f + 2.6f * level * (1.0f - level));
            const float g = grain.at(x, y) / kGrainDeviationAfterBlur;
            for (float& v : channels) {
                v = clamp01(v + amount * g + kColourGrain * rng.gaussian());
                *line++ = static_cast<uchar>(std::lround(v * 255.0f));
            }
        }
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }

    Random rng(kSeed);
    Picture scene = paintSky(rng);
    paintBokeh(scene, rng);
    const Layer kittens = paintKittens(scene, rng);
    paintWood(scene, kittens);
    composite(scene, kittens);
    addBloom(scene);
    addVignette(scene);
    const QImage image = develop(scene, rng);

    // Quality 0 asks for the strongest PNG compression.
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
