// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/bitmaps_ahead.h"

#include "framework/gdi_objects.h"
#include "framework/resources.h"

namespace {

// The one being rendered, if any; reached from the user-interface thread only.
CBitmapsAhead* g_ahead = nullptr;

} // namespace

CBitmapsAhead::CBitmapsAhead(const std::vector<QByteArray>& names) : m_ratio(AfxBitmapPixelRatio()), m_pictures(names.size())
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        m_pictures[i].path = AfxBitmapPath(QString::fromLatin1(names[i]));
        m_pictures[i].taken = m_pictures[i].rendered.get_future();
    }
    m_rendering = std::thread([this] {
        for (Picture& picture : m_pictures)
            picture.rendered.set_value(AfxRenderSvg(picture.path, QSize(), m_ratio));
    });
    if (!g_ahead)
        g_ahead = this;
}

CBitmapsAhead::~CBitmapsAhead()
{
    m_rendering.join();
    if (g_ahead == this)
        g_ahead = nullptr;
}

std::optional<QImage> CBitmapsAhead::Take(const QString& path, qreal ratio)
{
    return g_ahead ? g_ahead->TakePicture(path, ratio) : std::nullopt;
}

std::optional<QImage> CBitmapsAhead::TakePicture(const QString& path, qreal ratio)
{
    if (ratio != m_ratio)
        return std::nullopt;
    for (Picture& picture : m_pictures) {
        if (picture.path == path && picture.taken.valid())
            return picture.taken.get();
    }
    return std::nullopt;
}
