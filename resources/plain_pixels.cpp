// SPDX-License-Identifier: MIT
// plain-pixels IN OUT: writes a picture again as plain, uncompressed pixels
// (PPM), the same pixels, for the build to compile in. The program decodes such
// a picture in about a millisecond, where a PNG of noisy light takes several at
// every start.
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: plain-pixels IN OUT\n", stderr);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull() || picture.hasAlphaChannel() || !picture.save(QString::fromLocal8Bit(argv[2]), "PPM")) {
        std::fprintf(stderr, "plain-pixels: cannot write %s as plain pixels from %s\n", argv[2], argv[1]);
        return 1;
    }
    return 0;
}
