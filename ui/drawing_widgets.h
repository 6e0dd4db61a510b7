#pragma once
// The drawings as widgets on the windows: each paints what its plain
// painter function in drawings/ paints on paper too.
#include "cross_section.h"
#include "lamination_drawing.h"
#include "picture.h"
#include "ui_core_drawing.h"

#include <QWidget>

#include <vector>

namespace kelvora {

// The dimensioned E/I lamination of "Visualiza Núcleo".
class LaminationDrawing : public Picture {
    Q_OBJECT
public:
    explicit LaminationDrawing(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;
};

// The dimensioned U/I core.
class UICoreDrawing : public QWidget {
    Q_OBJECT
public:
    explicit UICoreDrawing(QWidget* parent = nullptr);
    void setCore(const construction::Core& core, char decimalSeparator);
    const std::vector<UIDimension>& dimensions() const { return dimensions_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    construction::Core core_;
    Settings cfg_;
    std::vector<UIDimension> dimensions_;
};

class CrossSectionView : public QWidget {
    Q_OBJECT
public:
    explicit CrossSectionView(QWidget* parent = nullptr);
    // Keeps a copy of the analysis; nothing is drawn for an analysis with an error.
    // Repaints only when the picture changes.
    void setContent(const construction::Analysis& analysis,
                    const construction::ConstructionSettings& settings, double a);
    QSize sizeHint() const override { return {260, 300}; }
    const CrossSectionContent& content() const { return content_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRectF area() const; // where the drawing goes
    construction::Analysis analysis_;
    CrossSectionContent content_;
    CrossSectionPicture picture_; // of content_ in pictureArea_
    QRectF pictureArea_;
};

} // namespace kelvora
