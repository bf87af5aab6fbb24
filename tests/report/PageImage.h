#pragma once

#include "report/PageDrawer.h"
#include "report/SpoolReader.h"

#include <QImage>
#include <QPainter>

namespace test {

// A page drawn as the preview draws it at 100%: a letter page at 96 dots per inch.
inline QImage DrawPage(report::SpoolReader& reader, int page, report::DrawingState& state) {
    QImage image(816, 1008, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    report::PageDrawer drawer(painter, report::Surface::Screen, state);
    report::SpoolLines lines = reader.lines(reader.pageStart(page));
    drawer.drawPage(lines);
    return image;
}

// How many pixels of the area are darker than light grey.
inline int DarkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                ++dark;
    return dark;
}

}  // namespace test
