// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the images kept in res/images: the pixel art pixel by pixel against the rules
// it is drawn by, the logo and icons for their sizes and looks, and every file against a
// fresh run of the generator, so neither can drift from the other.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <string>
#include <vector>

#include "ArtCatalogue.h"

namespace {

constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kLight = qRgb(192, 192, 192);
constexpr QRgb kDark = qRgb(128, 128, 128);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// A box of pixels, both corners included, all of one colour.
struct Run {
    int left, top, right, bottom;
    QRgb colour;
};

const std::vector<Run> kLargeEdge = {
    {3, 0, 35, 0, kLight},  {1, 1, 36, 1, kLight},  {0, 3, 0, 35, kLight},  {1, 1, 1, 36, kLight},
    {2, 2, 2, 2, kLight},   {36, 2, 36, 2, kLight}, {2, 36, 2, 36, kLight}, {1, 37, 37, 37, kDark},
    {3, 38, 35, 38, kDark}, {37, 1, 37, 37, kDark}, {38, 3, 38, 35, kDark}, {36, 36, 36, 36, kDark},
};

// Around the pip's centre: the dark wall along the top and left, which takes the top-right
// and bottom-left corners, the light wall along the bottom and right, and the black core.
const std::vector<Run> kSunkPip = {
    {-3, -3, 3, -3, kDark},  {-3, -2, -3, 3, kDark}, {-2, -2, -2, -2, kDark}, {2, -2, 2, -2, kDark},
    {-2, 2, -2, 2, kDark},   {-2, 3, 3, 3, kLight},  {3, -2, 3, 2, kLight},   {2, 2, 2, 2, kLight},
    {-1, -2, 1, -2, kBlack}, {-2, -1, 2, 1, kBlack}, {-1, 2, 1, 2, kBlack},
};

const std::vector<Run> kSmallOutline = {
    {2, 0, 18, 0, kBlack},   {2, 20, 18, 20, kBlack},  {0, 2, 0, 18, kBlack},
    {20, 2, 20, 18, kBlack}, {1, 1, 1, 1, kBlack},     {19, 1, 19, 1, kBlack},
    {1, 19, 1, 19, kBlack},  {19, 19, 19, 19, kBlack},
};

const std::vector<Run> kSmallPip = {{-1, -1, 1, 1, kBlack}};

const std::vector<std::vector<QPoint>> kLargePips = {
    {{19, 19}},
    {{19, 7}, {19, 31}},
    {{31, 7}, {19, 19}, {7, 31}},
    {{7, 7}, {31, 7}, {7, 31}, {31, 31}},
    {{7, 7}, {31, 7}, {7, 31}, {31, 31}, {19, 19}},
    {{7, 7}, {31, 7}, {7, 19}, {31, 19}, {7, 31}, {31, 31}},
};

const std::vector<std::vector<QPoint>> kSmallPips = {
    {{10, 10}},
    {{10, 4}, {10, 16}},
    {{16, 4}, {10, 10}, {4, 16}},
    {{4, 4}, {16, 4}, {4, 16}, {16, 16}},
    {{4, 4}, {16, 4}, {4, 16}, {16, 16}, {10, 10}},
    {{4, 4}, {16, 4}, {4, 10}, {16, 10}, {4, 16}, {16, 16}},
};

QImage Committed(const QString& name) {
    return QImage(QStringLiteral(VORPIN_IMAGES_DIR "/") + name)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage Filled(int size, QRgb colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

void Paint(QImage& image, const std::vector<Run>& runs, QPoint at = {}) {
    for (const Run& run : runs) {
        for (int y = run.top; y <= run.bottom; ++y) {
            for (int x = run.left; x <= run.right; ++x) {
                image.setPixel(at.x() + x, at.y() + y, run.colour);
            }
        }
    }
}

QImage Face(int size, QRgb body, const std::vector<Run>& outline, const std::vector<Run>& pip,
            const std::vector<QPoint>& pips) {
    QImage image = Filled(size, body);
    Paint(image, outline);
    for (const QPoint& centre : pips) {
        Paint(image, pip, centre);
    }
    return image;
}

std::string SizeText(QSize size) {
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

std::string Hex(QRgb colour) {
    return QString::number(colour, 16).rightJustified(8, u'0').toStdString();
}

// Empty when the images agree, otherwise where and how they first differ.
std::string FirstDifference(const QImage& actual, const QImage& expected) {
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != e.size()) {
        return "size " + SizeText(a.size()) + ", should be " + SizeText(e.size());
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != e.pixel(x, y)) {
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       Hex(a.pixel(x, y)) + ", should be " + Hex(e.pixel(x, y));
            }
        }
    }
    return {};
}

TEST(PixelArt, LargeDieFacesFollowTheirRules) {
    for (int face = 1; face <= 6; ++face) {
        const QImage expected =
            Face(39, kGreen, kLargeEdge, kSunkPip, kLargePips[static_cast<std::size_t>(face - 1)]);
        EXPECT_EQ(FirstDifference(Committed(QStringLiteral("die-face-%1.png").arg(face)), expected),
                  "")
            << "face " << face;
    }
}

TEST(PixelArt, MaskAndBlankFollowTheirRules) {
    QImage mask = Filled(39, kGreen);
    Paint(mask, {{2, 2, 36, 36, kBlue},
                 {2, 2, 2, 2, kGreen},
                 {36, 2, 36, 2, kGreen},
                 {2, 36, 2, 36, kGreen},
                 {36, 36, 36, 36, kGreen}});
    EXPECT_EQ(FirstDifference(Committed(QStringLiteral("die-mask.png")), mask), "");
    EXPECT_EQ(FirstDifference(Committed(QStringLiteral("die-blank.png")), Filled(39, kGreen)), "");
}

TEST(PixelArt, SmallDieFacesFollowTheirRules) {
    for (int face = 1; face <= 6; ++face) {
        const QImage expected = Face(21, kWhite, kSmallOutline, kSmallPip,
                                     kSmallPips[static_cast<std::size_t>(face - 1)]);
        EXPECT_EQ(
            FirstDifference(Committed(QStringLiteral("small-die-%1.png").arg(face)), expected), "")
            << "face " << face;
    }
}

TEST(PixelArt, DoubledVersionsRepeatEachPixelAsA2x2Block) {
    QStringList stems = {QStringLiteral("die-mask"), QStringLiteral("die-blank")};
    for (int face = 1; face <= 6; ++face) {
        stems << QStringLiteral("die-face-%1").arg(face)
              << QStringLiteral("small-die-%1").arg(face);
    }
    for (const QString& stem : stems) {
        const QImage single = Committed(stem + QStringLiteral(".png"));
        ASSERT_FALSE(single.isNull()) << stem.toStdString();
        QImage doubled = Filled(single.width() * 2, 0);
        for (int y = 0; y < doubled.height(); ++y) {
            for (int x = 0; x < doubled.width(); ++x) {
                doubled.setPixel(x, y, single.pixel(x / 2, y / 2));
            }
        }
        EXPECT_EQ(FirstDifference(Committed(stem + QStringLiteral("@2x.png")), doubled), "")
            << stem.toStdString();
    }
}

bool IsStrongRed(QRgb colour) {
    return qAlpha(colour) == 255 && qRed(colour) >= 150 && qGreen(colour) < 80 &&
           qBlue(colour) < 80;
}

bool HasStrongRed(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsStrongRed(image.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

TEST(DrawnArt, LogoComesAtOneAndTwiceItsSizeWithRedLettering) {
    for (const int scale : {1, 2}) {
        const QImage logo =
            Committed(scale == 1 ? QStringLiteral("logo.png") : QStringLiteral("logo@2x.png"));
        EXPECT_EQ(SizeText(logo.size()), SizeText(QSize(300 * scale, 64 * scale)))
            << "scale " << scale;
        EXPECT_EQ(logo.pixel(0, 0), kWhite) << "scale " << scale;
        EXPECT_TRUE(HasStrongRed(logo)) << "scale " << scale;
    }
}

TEST(DrawnArt, IconsAreRedDiceWithTransparentCorners) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = Committed(QStringLiteral("icon-%1.png").arg(size));
        ASSERT_EQ(SizeText(icon.size()), SizeText(QSize(size, size))) << "size " << size;
        const int last = size - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << "size " << size;
        }
        EXPECT_TRUE(HasStrongRed(icon)) << "size " << size;
    }
}

TEST(Generator, ReproducesEveryCommittedFile) {
    for (const vorpin::art::NamedImage& named : vorpin::art::AllImages()) {
        EXPECT_EQ(FirstDifference(Committed(named.fileName), named.image), "")
            << named.fileName.toStdString();
    }
}

TEST(Generator, MakesNoFewerAndNoMoreFilesThanAreCommitted) {
    QStringList generated;
    for (const vorpin::art::NamedImage& named : vorpin::art::AllImages()) {
        generated << named.fileName;
    }
    generated.sort();
    const QStringList committed =
        QDir(QStringLiteral(VORPIN_IMAGES_DIR))
            .entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    EXPECT_EQ(committed.join(u' ').toStdString(), generated.join(u' ').toStdString());
}

}  // namespace

int main(int argc, char** argv) {
    // CTest lists the tests before it sets the test environment, so listing needs this too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
