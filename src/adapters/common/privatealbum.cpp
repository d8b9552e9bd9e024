// SPDX-License-Identifier: MIT
#include "adapters/common/privatealbum.h"

#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/browserbridge.h"
#include "core/seams/userprompt.h"

#include <QCoreApplication>

namespace phodex {

QString PrivateAlbumQuestion() {
    return QCoreApplication::translate("phodex::Sites",
                                       "为非公开相册,是否进行验证？\n\n验证成功后请手动关闭验证框");
}

bool OfferPrivateAlbumLogin(JobContext& ctx, const QString& loginPage, const QString& question) {
    if (!ctx.env.prompt.askYesNo(question, PromptCaption()))
        return false;
    ctx.env.browser.loginAndWait(loginPage, 0);
    return true;
}

void ReadAlbumPages(PictureContext& ctx, const AlbumInfo& album, const QString& loginPage,
                    const AlbumPageReader& readPage) {
    PageWalk walk;
    int listed = 0;
    bool asked = false;
    for (int pageIndex = 0; walk.nextPage(); ++pageIndex) {
        const std::optional<int> named = readPage(pageIndex, walk);
        if (!named)
            return;
        listed += *named;
        if (*named > 0)
            continue;
        if (listed > 0 || album.photoCount == 0 || asked)
            return;
        asked = true;
        if (!OfferPrivateAlbumLogin(ctx, loginPage))
            return;
        walk = PageWalk();
        pageIndex = -1;
    }
}

} // namespace phodex
