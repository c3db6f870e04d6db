#pragma once
// The member drawn as shaded solids in an oblique view from the front, right and above.
#include <QWidget>
#include <vector>

#include "viewer/viewer_model.h"

namespace viewer {

class MemberPicture : public QWidget {
public:
    explicit MemberPicture(std::vector<Block> blocks, QWidget* parent = nullptr);
    const std::vector<Block>& blocks() const { return m_blocks; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Block> m_blocks;
};

}  // namespace viewer
