// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/huaban/huabanadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"

#include <QCoreApplication>

// Huaban: one board, which starts at once.
namespace phodex {

namespace {

using namespace dispatch;

constexpr char kHuabanNotBoard[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "请输入花瓣画板的网址\n画板网址中含有/boards/");

void DispatchHuaban(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::HuabanBoard);
    if (!address.contains(QStringLiteral("/boards/"))) {
        Inform(ctx, QCoreApplication::translate("phodex::Sites", kHuabanNotBoard));
        return;
    }
    RunList(ctx, "HuabanListBoards", address);
    StartAtOnce(ctx);
}

} // namespace

SiteFamily HuabanFamily() {
    return SiteFamily{
        .name = "huaban",
        .rows = {{.listType = Category::HuabanDuitang,
                  .subTypes = {SubType::HuabanBoard, kAnyOtherSubType},
                  .site = "Huaban",
                  .albumIs = "a board",
                  .listOps = {"HuabanListBoards"},
                  .pictureOps = {"HuabanListPhotos"},
                  .login = QStringLiteral("花瓣网")}},
        .dispatches = {{.listType = Category::HuabanDuitang, .run = DispatchHuaban}},
        .lists = {{"HuabanListBoards", HuabanListBoards}},
        .pictures = {{"HuabanListPhotos", HuabanListPhotos}},
    };
}

} // namespace phodex
