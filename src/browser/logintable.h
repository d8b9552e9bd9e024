// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <span>

// The items of the window's login menu: which window each opens on which page.
namespace phodex {

enum class LoginWindow {
    Site,    // CDlgWebOpen; modal or modeless after "登录方式1"
    Browser, // CDlgWeb, always modal
};

// How an item finds its first page.
enum class LoginPage {
    QqSpace, // the QQ rule: see LoginInitialPage
    TencentWeiboHome,
    BaiduPassport,
    Typed, // the typed address, even when empty
    TypedOrYupooLogin,
    RenrenHome,
    MokoLogin,
    WeiboLogin,
    ProductHome, // custom login: the user types any address in the window
    TaobaoLogin,
    TypedOrHuabanHome,
    HupuLogin,
    TypedOrInstagramHome,
};

struct LoginItem {
    int commandId;       // the menu command
    const char* caption; // the Chinese caption; LoginCaption speaks the language in use
    LoginWindow window;
    LoginPage page;
};

// What the window knows when an item is chosen.
struct LoginRequest {
    QString typedAddress;   // the address box's text
    int qqSubTypeEntry = 0; // the QQ sub-type box's entry
    QString productHome;    // the product's home page
};

// In the menu's order.
std::span<const LoginItem> LoginItems();
// nullptr for a command that is no login item.
const LoginItem* FindLoginItem(int commandId);
QString LoginCaption(const LoginItem& item);

// The page the item's window opens first. The typed address counts without
// surrounding white space. For the QQ item: the QQ Zone home page when
// nothing is typed, else the personal-space address, with the typed QQ
// number after it when the text is digits only and the sub-type box shows
// its first entry.
QString LoginInitialPage(const LoginItem& item, const LoginRequest& request);

} // namespace phodex
