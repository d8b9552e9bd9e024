// SPDX-License-Identifier: MIT
#include "adapters/common/privatealbum.h"

#include "core/jobcontext.h"
#include "core/seams/browserbridge.h"
#include "core/seams/userprompt.h"

namespace phodex {

bool OfferPrivateAlbumLogin(JobContext& ctx, const QString& loginPage) {
    if (!ctx.env.prompt.askYesNo(
            QStringLiteral("为非公开相册,是否进行验证？\n\n验证成功后请手动关闭验证框"),
            QString::fromUtf16(kPromptCaption)))
        return false;
    ctx.env.browser.loginAndWait(loginPage, 0);
    return true;
}

} // namespace phodex
