#pragma once

#include <QLabel>

#include <functional>

namespace zentrova {

// A label that reports a click with the left mouse button, like a hyperlink.
class LinkLabel : public QLabel {
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    void SetOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> onClick_;
};

}  // namespace zentrova
