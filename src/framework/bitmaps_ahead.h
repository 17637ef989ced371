// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the first window shows, rendered from their SVG on a thread
// of their own while the rest of the window is made, so that it waits
// for none of them. CBitmap::LoadBitmap takes them from here, waiting for
// one still being rendered; any other it renders itself.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <future>
#include <optional>
#include <thread>
#include <vector>

class CBitmapsAhead {
public:
    // Starts rendering the pictures of those resource names, in that order.
    explicit CBitmapsAhead(const std::vector<QByteArray>& names);
    // Waits for the rendering; pictures not taken are dropped.
    ~CBitmapsAhead();
    CBitmapsAhead(const CBitmapsAhead&) = delete;
    CBitmapsAhead& operator=(const CBitmapsAhead&) = delete;

    // The picture at that path, rendered at that device-pixel ratio, if it
    // is one being rendered ahead and not yet taken; a null image when it
    // did not render.
    static std::optional<QImage> Take(const QString& path, qreal ratio);

private:
    struct Picture {
        QString path;
        std::promise<QImage> rendered;
        std::future<QImage> taken;
    };

    std::optional<QImage> TakePicture(const QString& path, qreal ratio);

    qreal m_ratio;
    std::vector<Picture> m_pictures;
    std::thread m_rendering;
};
