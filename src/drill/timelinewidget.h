#pragma once

#include <QWidget>

#include <array>

// A vertical timeline: year 0 at the top edge, 2000 at the bottom edge. The picture at its left
// (era bands and a scale of centuries) is drawn here. In the year stage the box is 7080 × 7950
// twips with the picture in its left 2535 twips, and the red markers of the six candidate years
// and the lines from each marker to its year label are drawn too; the practice's timeline is the
// picture alone. Positions are kept in twips of the designed box and scaled to the real size.
class TimelineWidget : public QWidget
{
public:
    static constexpr double kWidth = 7080.0;
    static constexpr double kHeight = 7950.0;
    static constexpr double kPictureWidth = 2535.0;
    static constexpr double kMarkerLeft = 810.0;
    static constexpr double kMarkerWidth = 1290.0;
    static constexpr double kMarkerHeight = 120.0;
    static constexpr double kYearLabelLeft = 3465.0;
    static constexpr double kYearLabelHeight = 585.0;
    static constexpr std::array<int, 6> kYearLabelTops{855, 1950, 3030, 4125, 5205, 6300};

    // The year stage's timeline.
    explicit TimelineWidget(QWidget *parent = nullptr);
    // A timeline that is all picture, designed at the given size in twips.
    TimelineWidget(QSizeF designTwips, QWidget *parent);

    // Years of markers 1 to 6 (index 0 to 5) and whether they and their lines are drawn.
    void setMarkers(const std::array<int, 6> &years, bool visible);

    // Top of a year's marker in twips inside the box.
    static double markerTop(int year);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSizeF m_design{kWidth, kHeight};
    double m_pictureWidth = kPictureWidth;
    std::array<int, 6> m_years{};
    bool m_markersVisible = false;
};
