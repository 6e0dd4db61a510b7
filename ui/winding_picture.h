#pragma once
// The symbol of a transformer winding: a column of turns beside the core,
// with its leads going out to the side where the voltage fields are.
#include "picture.h"

namespace kelvora {

class WindingPicture : public Picture {
    Q_OBJECT
public:
    // `coreOnRight`: the turns face a core drawn to the right (a primary).
    WindingPicture(QWidget* parent, const char* name, bool coreOnRight, int turns = 4);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    bool coreOnRight_;
    int turns_;
};

} // namespace kelvora
