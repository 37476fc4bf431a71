#pragma once

class QImage;
class QString;

// The desktop's general clipboard. Each call replaces whatever it held.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual void setImage(const QImage& image) = 0;
};
