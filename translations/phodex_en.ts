<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>phodex::AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Varnel多功能Albrio&lt;/h3&gt;&lt;p&gt;版本 %1&lt;/p&gt;&lt;p&gt;批量下载网络相册的图片：输入相册地址或QQ号，获取相册列表，勾选相册后下载。&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Varnel Multi-purpose Albrio&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Downloads the pictures of web albums in bulk: enter an album address or a QQ number, get the album list, tick the albums and download them.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>phodex::AddressBar</name>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>网址：</source>
        <translation>Address:</translation>
    </message>
</context>
<context>
    <name>phodex::AlbumGridModel</name>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
</context>
<context>
    <name>phodex::AlbumRow</name>
    <message>
        <source>未知</source>
        <translation>?</translation>
    </message>
    <message>
        <source>加密相册</source>
        <translation>password-protected album</translation>
    </message>
    <message>
        <source>私密相册</source>
        <translation>private album</translation>
    </message>
    <message>
        <source>好友可见</source>
        <translation>friends only</translation>
    </message>
</context>
<context>
    <name>phodex::CDlgDownSet</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>下载参数设置</source>
        <translation>Download settings</translation>
    </message>
    <message>
        <source>线程数(1~15)：</source>
        <translation>Threads (1-15):</translation>
    </message>
    <message>
        <source>超时(S, &gt;=10)：</source>
        <translation>Time-out (s, &gt;= 10):</translation>
    </message>
    <message>
        <source>图片最小值(K)：</source>
        <translation>Smallest picture (KB):</translation>
    </message>
    <message>
        <source>图片最大值(K)：</source>
        <translation>Largest picture (KB):</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>参数错误</source>
        <translation>Invalid settings</translation>
    </message>
</context>
<context>
    <name>phodex::CDlgFind</name>
    <message>
        <source>区分大小写</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>全字匹配</source>
        <translation>Whole words</translation>
    </message>
    <message>
        <source>上一个</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>&lt;b&gt;相册搜索&lt;/b&gt;</source>
        <translation>&lt;b&gt;Find an album&lt;/b&gt;</translation>
    </message>
    <message>
        <source>关键字:</source>
        <translation>Keyword:</translation>
    </message>
    <message>
        <source>下一个</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>关键字不能为空</source>
        <translation>Please enter a keyword</translation>
    </message>
</context>
<context>
    <name>phodex::CDlgSaveSet</name>
    <message>
        <source>&lt;a href=&quot;#&quot;&gt;前后缀说明&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot;&gt;About prefixes and suffixes&lt;/a&gt;</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>前缀</source>
        <translation>Prefix</translation>
    </message>
    <message>
        <source>描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>网址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>替换为</source>
        <translation>replace with</translation>
    </message>
    <message>
        <source>相册路径(相册名)</source>
        <translation>Album folder (album name)</translation>
    </message>
    <message>
        <source>相册名</source>
        <translation>Album name</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>前缀和后缀分别加在图片自己的文件名前面和后面。例如前缀为空、后缀为_com时，图片abc.jpg保存为abc_com.jpg
</source>
        <translation>The prefix and the suffix are put before and after the picture&apos;s own file name. For example, with no prefix and the suffix _com, the picture abc.jpg is saved as abc_com.jpg
</translation>
    </message>
    <message>
        <source>再如前缀为my_、后缀为_com时，图片abc.jpg保存为my_abc_com.jpg
</source>
        <translation>With the prefix my_ and the suffix _com, the picture abc.jpg is saved as my_abc_com.jpg
</translation>
    </message>
    <message>
        <source>相册名那里前后缀一样
同时，支持转义字符，当前后缀中含有转义字符时，程序会将转义字符转换为转义字符所表示的字符串
</source>
        <translation>The prefix and suffix of the album name work the same way
Both may hold escapes: the program replaces each escape in a prefix or suffix by the text it stands for
</translation>
    </message>
    <message>
        <source>转义字符如下（问号为英文的问号，相册名的转义字符只支持?1,?3,?9）：
</source>
        <translation>The escapes are (the question mark is the ASCII one; album names take only ?1, ?3 and ?9):
</translation>
    </message>
    <message>
        <source>?1:相册名称
?2:图片在相册中的序号
?3:相册在列表中的序号(格式为：1,2,3...)
?4:相册在列表中的序号(倒序)
?5:相册创建时间(仅QQ群相册有效)
?6:选中的相册数
?7:总共的相册数(选中的+未选中的)
?9:相册在列表中的序号(格式为：0001,0002,0003...)
?A:图片在相册中的序号(格式为：0001,0002,0003...)
</source>
        <translation>?1: the album name
?2: the picture&apos;s number in the album
?3: the album&apos;s number in the list (as 1,2,3...)
?4: the album&apos;s number in the list (counted from the end)
?5: the album&apos;s creation time (QQ group albums only)
?6: the number of ticked albums
?7: the number of all albums (ticked and not ticked)
?9: the album&apos;s number in the list (as 0001,0002,0003...)
?A: the picture&apos;s number in the album (as 0001,0002,0003...)
</translation>
    </message>
</context>
<context>
    <name>phodex::CDlgWebOpen</name>
    <message>
        <source>登录成功后请将该登录窗口关闭，如果没有看到登录的地方，可将该窗口最大化</source>
        <translation>Close this login window once you are logged in. If you cannot see where to log in, maximize the window</translation>
    </message>
</context>
<context>
    <name>phodex::CPhodexApp</name>
    <message>
        <source>Varnel多功能Albrio</source>
        <translation>Varnel Multi-purpose Albrio</translation>
    </message>
    <message>
        <source>无法创建工作目录：%1</source>
        <translation>Cannot create the work folder: %1</translation>
    </message>
</context>
<context>
    <name>phodex::CPhodexDlg</name>
    <message>
        <source>Varnel多功能Albrio</source>
        <translation>Varnel Multi-purpose Albrio</translation>
    </message>
    <message>
        <source>相册网址或QQ号</source>
        <translation>Album address or QQ number</translation>
    </message>
    <message>
        <source>获取相册</source>
        <translation>Get albums</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存路径:</source>
        <translation>Save folder:</translation>
    </message>
    <message>
        <source>相册列表</source>
        <translation>Albums</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>预览图</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>请选择文件保存目录：</source>
        <translation>Choose the save folder:</translation>
    </message>
    <message>
        <source>模式转换未完成,是否中断?</source>
        <translation>The view is still being switched. Stop switching?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>此导出为导出表格内容，如需下载图片，请点击右上角的 下载 按钮。</source>
        <translation>This exports the contents of the table. To download the pictures, click the Download button at the top right.</translation>
    </message>
    <message>
        <source>是否导出相册网址?</source>
        <translation>Export the album addresses as well?</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>导出后，自行调整列宽(*.csv)</source>
        <translation>CSV file, adjust the column widths after export (*.csv)</translation>
    </message>
    <message>
        <source>终止获取</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>终止下载</source>
        <translation>Stop download</translation>
    </message>
    <message>
        <source>下载文件(*.lst *.txt);;所有文件(*)</source>
        <translation>Download files (*.lst *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>文件中没有图片网址：%1</source>
        <translation>The file holds no picture addresses: %1</translation>
    </message>
    <message>
        <source>请先设置保存路径</source>
        <translation>Please set the save folder first</translation>
    </message>
    <message>
        <source>请检测设置的保存路径是否有误</source>
        <translation>Please check the save folder: it cannot be used</translation>
    </message>
    <message>
        <source>请先勾选要导出的相册</source>
        <translation>Please tick the albums to export first</translation>
    </message>
    <message>
        <source>迅雷下载列表(*.txt)</source>
        <translation>Thunder download list (*.txt)</translation>
    </message>
    <message>
        <source>下载文件(*.lst)</source>
        <translation>Download file (*.lst)</translation>
    </message>
    <message>
        <source>&lt;导入/导出&gt;</source>
        <translation>&lt;Import/Export&gt;</translation>
    </message>
    <message>
        <source>导入下载文件并开始下载</source>
        <translation>Import a download file and start downloading</translation>
    </message>
    <message>
        <source>导出下载文件</source>
        <translation>Export a download file</translation>
    </message>
    <message>
        <source>导出迅雷下载列表</source>
        <translation>Export a Thunder download list</translation>
    </message>
    <message>
        <source>&lt;登录&gt;</source>
        <translation>&lt;Login&gt;</translation>
    </message>
    <message>
        <source>登录方式1（如果登录失败，可勾选该项后再登录）</source>
        <translation>Login mode 1 (if logging in fails, tick this and log in again)</translation>
    </message>
    <message>
        <source>浏览器组件不可用</source>
        <translation>The browser component is not available</translation>
    </message>
    <message>
        <source>&lt;设置&gt;</source>
        <translation>&lt;Settings&gt;</translation>
    </message>
    <message>
        <source>下载参数设置</source>
        <translation>Download settings</translation>
    </message>
    <message>
        <source>文件名设置</source>
        <translation>File name settings</translation>
    </message>
    <message>
        <source>&lt;辅助功能&gt;</source>
        <translation>&lt;Tools&gt;</translation>
    </message>
    <message>
        <source>文件处理</source>
        <translation>File tools</translation>
    </message>
    <message>
        <source>&lt;帮助&gt;</source>
        <translation>&lt;Help&gt;</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>软件咨询</source>
        <translation>Questions about the program</translation>
    </message>
    <message>
        <source>问题反馈</source>
        <translation>Report a problem</translation>
    </message>
    <message>
        <source>版本信息</source>
        <translation>About</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>无法保存界面语言的设置</source>
        <translation>Cannot save the language choice</translation>
    </message>
    <message>
        <source>界面语言将在下次启动时更换</source>
        <translation>The language changes the next time the program starts</translation>
    </message>
    <message>
        <source>正在启动，请稍等……

启动完成后，输入相册网址或QQ号，点击“获取相册”即可列出相册。</source>
        <translation>Starting, please wait...

When it has started, enter an album address or a QQ number and click &quot;Get albums&quot; to list the albums.</translation>
    </message>
</context>
<context>
    <name>phodex::Catalogue</name>
    <message>
        <source>QQ空间/QQ群/腾讯微博</source>
        <translation>QQ Zone/QQ groups/Tencent Weibo</translation>
    </message>
    <message>
        <source>百度相册/贴吧</source>
        <translation>Baidu albums/Tieba</translation>
    </message>
    <message>
        <source>网易相册</source>
        <translation>NetEase albums</translation>
    </message>
    <message>
        <source>人人网</source>
        <translation>Renren</translation>
    </message>
    <message>
        <source>新浪相册/新浪微博</source>
        <translation>Sina albums/Sina Weibo</translation>
    </message>
    <message>
        <source>Instagram</source>
        <translation>Instagram</translation>
    </message>
    <message>
        <source>POCO</source>
        <translation>POCO</translation>
    </message>
    <message>
        <source>又拍</source>
        <translation>Yupoo</translation>
    </message>
    <message>
        <source>51相册</source>
        <translation>51 albums</translation>
    </message>
    <message>
        <source>中关村在线(ZOL)</source>
        <translation>Zhongguancun Online (ZOL)</translation>
    </message>
    <message>
        <source>PChome/豆瓣</source>
        <translation>PChome/Douban</translation>
    </message>
    <message>
        <source>淘宝/天猫/1688/阿里巴巴/速卖通</source>
        <translation>Taobao/Tmall/1688/Alibaba/AliExpress</translation>
    </message>
    <message>
        <source>美空</source>
        <translation>Moko</translation>
    </message>
    <message>
        <source>宝宝树</source>
        <translation>Babytree</translation>
    </message>
    <message>
        <source>太平洋电脑网</source>
        <translation>PConline</translation>
    </message>
    <message>
        <source>虎扑</source>
        <translation>Hupu</translation>
    </message>
    <message>
        <source>京东/ZOL产品</source>
        <translation>JD/ZOL products</translation>
    </message>
    <message>
        <source>微商相册</source>
        <translation>WeChat business albums (微商相册)</translation>
    </message>
    <message>
        <source>花瓣/堆糖</source>
        <translation>Huaban/Duitang</translation>
    </message>
    <message>
        <source>LOFTER</source>
        <translation>LOFTER</translation>
    </message>
    <message>
        <source>Topit</source>
        <translation>Topit</translation>
    </message>
    <message>
        <source>QQ空间相册</source>
        <translation>QQ Zone albums</translation>
    </message>
    <message>
        <source>QQ群相册</source>
        <translation>QQ group albums</translation>
    </message>
    <message>
        <source>腾讯微博相册</source>
        <translation>Tencent Weibo albums</translation>
    </message>
</context>
<context>
    <name>phodex::Cli</name>
    <message>
        <source>参数错误</source>
        <translation>Invalid settings</translation>
    </message>
</context>
<context>
    <name>phodex::Core</name>
    <message>
        <source>暂不支持获取这个网站的相册</source>
        <translation>Listing the albums of this site is not supported yet</translation>
    </message>
    <message>
        <source>暂不支持下载这个网站的图片</source>
        <translation>Downloading the pictures of this site is not supported yet</translation>
    </message>
</context>
<context>
    <name>phodex::Download</name>
    <message>
        <source>已下载%1/%2......</source>
        <translation>Downloaded %1/%2...</translation>
    </message>
    <message>
        <source>无法保存图片：%1</source>
        <translation>Cannot save a picture: %1</translation>
    </message>
</context>
<context>
    <name>phodex::Jobs</name>
    <message>
        <source>已获取到%1张图片信息</source>
        <translation>Pictures found: %1</translation>
    </message>
    <message>
        <source>请先设置保存路径</source>
        <translation>Please set the save folder first</translation>
    </message>
    <message>
        <source>请检测设置的保存路径是否有误</source>
        <translation>Please check the save folder: it cannot be used</translation>
    </message>
    <message>
        <source>下载完毕</source>
        <translation>Download finished</translation>
    </message>
    <message>
        <source>请先勾选要下载的相册</source>
        <translation>Please tick the albums to download first</translation>
    </message>
    <message>
        <source>已获取到%1张图片信息，是否下载这些图片？</source>
        <translation>Pictures found: %1. Download them?</translation>
    </message>
    <message>
        <source>正在下载第%1/%2个图集</source>
        <translation>Downloading album %1/%2</translation>
    </message>
    <message>
        <source>已开始下载图片</source>
        <translation>Started downloading the pictures</translation>
    </message>
    <message>
        <source>请先输入要获取相册的网址或QQ号</source>
        <translation>Please enter the address or QQ number to get albums from first</translation>
    </message>
    <message>
        <source>输入的网址无效，请输入以http://或https://开头的完整网址</source>
        <translation>The address is not valid. Please enter a full address starting with http:// or https://</translation>
    </message>
    <message>
        <source>无法启动获取相册的线程(错误号%1)</source>
        <translation>Cannot start the thread that gets the albums (error %1)</translation>
    </message>
    <message>
        <source>相册列表</source>
        <translation>Albums</translation>
    </message>
    <message>
        <source>正在获取相册列表，请稍等...</source>
        <translation>Getting the album list, please wait...</translation>
    </message>
    <message>
        <source>相册列表(共%1个)</source>
        <translation>Albums (%1 in all)</translation>
    </message>
    <message>
        <source>获取相册列表完成，共%1个</source>
        <translation>Got the album list, %1 in all</translation>
    </message>
    <message>
        <source>正在下载导入的文件，共%1个网址</source>
        <translation>Downloading the imported file, addresses: %1</translation>
    </message>
    <message>
        <source>下载已终止，已下载%1/%2</source>
        <translation>Download stopped, downloaded %1/%2</translation>
    </message>
    <message>
        <source>下载完毕，已下载%1/%2</source>
        <translation>Download finished, downloaded %1/%2</translation>
    </message>
    <message>
        <source>正在获取第%1/%2个图集的图片网址</source>
        <translation>Getting the picture addresses of album %1/%2</translation>
    </message>
    <message>
        <source>无法写入文件%1</source>
        <translation>Cannot write the file %1</translation>
    </message>
    <message>
        <source>导出已终止，已写入%1个图片网址</source>
        <translation>Export stopped, picture addresses written: %1</translation>
    </message>
    <message>
        <source>导出完毕，共%1个图片网址</source>
        <translation>Export finished, picture addresses: %1</translation>
    </message>
    <message>
        <source>相册太多，只列出了前%1个</source>
        <translation>Too many albums: only the first %1 are listed</translation>
    </message>
</context>
<context>
    <name>phodex::LoginItems</name>
    <message>
        <source>QQ空间/QQ群</source>
        <translation>QQ Zone/QQ groups</translation>
    </message>
    <message>
        <source>新浪微博（登录时勾上下次自动登录）</source>
        <translation>Sina Weibo (tick &quot;log in automatically next time&quot; when logging in)</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>微商相册</source>
        <translation>WeChat business albums (微商相册)</translation>
    </message>
    <message>
        <source>花瓣网</source>
        <translation>Huaban</translation>
    </message>
    <message>
        <source>又拍（下载器没弹窗提示你登录，就不要在这里登录）</source>
        <translation>Yupoo (only log in here when the program asks you to)</translation>
    </message>
    <message>
        <source>Instagram</source>
        <translation>Instagram</translation>
    </message>
    <message>
        <source>人人</source>
        <translation>Renren</translation>
    </message>
    <message>
        <source>美空</source>
        <translation>Moko</translation>
    </message>
    <message>
        <source>淘宝（强烈建议用小号登录）</source>
        <translation>Taobao (a spare account is strongly recommended)</translation>
    </message>
    <message>
        <source>腾讯微博（登录时勾上下次自动登录）</source>
        <translation>Tencent Weibo (tick &quot;log in automatically next time&quot; when logging in)</translation>
    </message>
    <message>
        <source>虎扑</source>
        <translation>Hupu</translation>
    </message>
    <message>
        <source>自定义登录</source>
        <translation>Other site</translation>
    </message>
</context>
<context>
    <name>phodex::Net</name>
    <message>
        <source>网址解析出错：%1</source>
        <translation>Cannot parse the address: %1</translation>
    </message>
    <message>
        <source>写入文件失败: %1</source>
        <translation>Writing the file failed: %1</translation>
    </message>
</context>
<context>
    <name>phodex::OptionItems</name>
    <message>
        <source>修正图片格式</source>
        <translation>Fix picture formats</translation>
    </message>
    <message>
        <source>修正图片顺序</source>
        <translation>Fix picture order</translation>
    </message>
    <message>
        <source>生成图片原始名文件</source>
        <translation>Write a file of the pictures&apos; original names</translation>
    </message>
    <message>
        <source>只生成迅雷下载列表</source>
        <translation>Only write a Thunder download list</translation>
    </message>
    <message>
        <source>下载完成后打开保存路径</source>
        <translation>Open the save folder when the download is finished</translation>
    </message>
    <message>
        <source>只下载宝贝(商品)主图</source>
        <translation>Only download the main pictures of products</translation>
    </message>
    <message>
        <source>不下载以前下载过的图片</source>
        <translation>Skip pictures downloaded before</translation>
    </message>
    <message>
        <source>又拍相册下载大图（不勾选为下载原图，下载原图速度更慢）</source>
        <translation>Download large Yupoo pictures (untick for the originals, which download more slowly)</translation>
    </message>
    <message>
        <source>只下载宝贝(商品)描述里的图片</source>
        <translation>Only download the pictures in product descriptions</translation>
    </message>
</context>
<context>
    <name>phodex::Sites</name>
    <message>
        <source>输入网址有误，应该输入相册网址或首页网址</source>
        <translation>The address is wrong: enter the address of an album or of a home page</translation>
    </message>
    <message>
        <source>该相册为非公开,如果该相册为私密相册,登录帐号后重新获取相册列表可下载</source>
        <translation>This album is not public. If it is a private album, log in to the account, get the album list again and download it</translation>
    </message>
    <message>
        <source>获取信息出错(%1),请将程序目录下的log.err文件发给作者,以便修改</source>
        <translation>Reading the site failed (%1). Please send the log.err file in the program&apos;s folder to the author so that it can be fixed</translation>
    </message>
    <message>
        <source>为非公开相册,是否进行验证？

验证成功后请手动关闭验证框</source>
        <translation>This album is not public. Verify your access?

Close the verification window yourself once verification has succeeded</translation>
    </message>
    <message>
        <source>没有找到这个相册的主人,请确认网址是豆瓣相册的网址</source>
        <translation>The owner of this album was not found. Please check that the address is a Douban album&apos;s address</translation>
    </message>
    <message>
        <source>请输入豆瓣相册或电影图片页的网址(网址中含有/photos)</source>
        <translation>Please enter the address of a Douban album or film photos page (the address holds /photos)</translation>
    </message>
    <message>
        <source>没有找到堆糖用户，请检查网址
请输入堆糖用户主页或相册的网址</source>
        <translation>No Duitang user was found. Please check the address
Enter the address of a Duitang user&apos;s home page or album</translation>
    </message>
    <message>
        <source>没有获取到相册，请在登录菜单里登录新浪(微博)帐号后重试,登录时勾上下次自动登录</source>
        <translation>No albums were found. Please log in to your Sina (Weibo) account from the Login menu and try again; tick &quot;log in automatically next time&quot; when logging in</translation>
    </message>
    <message>
        <source>没有找到这个产品的名称，请确认网址是ZOL的产品页面</source>
        <translation>The name of this product was not found. Please check that the address is a ZOL product page</translation>
    </message>
    <message>
        <source>请输入花瓣画板的网址
画板网址中含有/boards/</source>
        <translation>Please enter the address of a Huaban board
A board&apos;s address holds /boards/</translation>
    </message>
    <message>
        <source>没有找到这个商品的名称，网页的格式可能已经改变，无法获取这个商品</source>
        <translation>The name of this product was not found; the page&apos;s layout may have changed. The product cannot be read</translation>
    </message>
    <message>
        <source>请输入京东商品页的网址(item.jd.com)</source>
        <translation>Please enter the address of a JD product page (item.jd.com)</translation>
    </message>
    <message>
        <source>请先在登录窗口里输入密码后，再下载</source>
        <translation>Please enter the password in the login window first, then download</translation>
    </message>
    <message>
        <source>没有找到这个LOFTER博客的归档页，请确认网址是博客的地址</source>
        <translation>The archive page of this LOFTER blog was not found. Please check that the address is the blog&apos;s address</translation>
    </message>
    <message>
        <source>没有读到这个LOFTER博客的编号，请稍后再试</source>
        <translation>Could not read the number of this LOFTER blog. Please try again later</translation>
    </message>
    <message>
        <source>这个博客的文章很多，这里只列出了最新的%1篇</source>
        <translation>This blog has many posts; only the newest %1 are listed</translation>
    </message>
    <message>
        <source>请先在登录菜单里登录虎扑帐号后重试(登录时勾上下次自动登录)

如果登录菜单里不能登录，请在IE里登录</source>
        <translation>Please log in to your Hupu account from the Login menu and try again (tick &quot;log in automatically next time&quot; when logging in)

If you cannot log in from the Login menu, log in with Internet Explorer</translation>
    </message>
    <message>
        <source>请直接输入QQ号进行下载</source>
        <translation>Please enter the QQ number itself to download</translation>
    </message>
    <message>
        <source>没有获取到相册，原因如下：

1、该空间需要登录QQ号后才能查看，你哪个号能进入他的空间，就先在下载器的登录菜单里登录了那个号后再点获取相册

2、下载QQ空间相册请直接输入QQ号进行下载</source>
        <translation>No albums were found, for one of these reasons:

1. The space can only be seen after logging in to a QQ account. Log in to an account that can enter the space from the program&apos;s Login menu first, then click Get albums

2. To download QQ Zone albums, enter the QQ number itself</translation>
    </message>
    <message>
        <source>没有获取到相册，可按以下步骤操作：

1、请先在下载器的登录菜单里登录你的腾讯微博帐号(登录时勾上下次自动登录)

2、输入你要下载的那个人的微博主页网址后，点获取相册列表</source>
        <translation>No albums were found. Please try these steps:

1. Log in to your Tencent Weibo account from the program&apos;s Login menu first (tick &quot;log in automatically next time&quot; when logging in)

2. Enter the address of the Weibo home page of the person whose albums you want, then click Get albums</translation>
    </message>
    <message>
        <source>没有获取到相册，可按以下步骤操作：

1、你哪个号加入了你要下载的QQ群，就先在下载器的登录菜单里登录那个QQ号

2、输入你要下载的QQ群号后，点获取相册列表</source>
        <translation>No albums were found. Please try these steps:

1. Log in from the program&apos;s Login menu to a QQ account that has joined the QQ group you want to download

2. Enter the number of the QQ group, then click Get albums</translation>
    </message>
    <message>
        <source>加密或非公开空间，是否进行身份验证?
(验证成功后请重新获取相册列表)</source>
        <translation>This space is password-protected or not public. Verify your identity?
(Once verified, get the album list again)</translation>
    </message>
    <message>
        <source>请先在下载器的登录菜单里登录QQ号，再下载说说里的图片</source>
        <translation>Please log in to a QQ account from the program&apos;s Login menu first, then download the pictures in the posts</translation>
    </message>
    <message>
        <source>加密相册，是否输入密码？</source>
        <translation>This album is password-protected. Enter the password?</translation>
    </message>
    <message>
        <source>QQ空间相册错误1</source>
        <translation>QQ Zone album error 1</translation>
    </message>
    <message>
        <source>1、没有获取到相册，需要你在登录菜单里登录一个人人帐号(登录时勾上下次自动登录)后重新获取</source>
        <translation>1. No albums were found. Log in to a Renren account from the Login menu (tick &quot;log in automatically next time&quot; when logging in), then get the albums again</translation>
    </message>
    <message>
        <source>错误原因：
1.你没有登录你的人人帐号(在登录菜单里登录,登录时需要勾上下次自动登录)
2.你没有该相册的访问权限.</source>
        <translation>Possible reasons:
1. You are not logged in to your Renren account (log in from the Login menu and tick &quot;log in automatically next time&quot;)
2. You may not see this album.</translation>
    </message>
    <message>
        <source>加密相册,是否输入密码</source>
        <translation>This album is password-protected. Enter the password?</translation>
    </message>
    <message>
        <source>没有找到这个商品的店铺名，网页的格式可能已经改变，无法获取这个商品</source>
        <translation>The shop name of this product was not found; the page&apos;s layout may have changed. The product cannot be read</translation>
    </message>
    <message>
        <source>1688要求先登录才能查看这个商品，请先在登录菜单里登录，再获取一次</source>
        <translation>1688 wants you to log in to see this product. Please log in from the Login menu first, then get it again</translation>
    </message>
    <message>
        <source>没有获取到商品，请确认输入的是1688店铺或商品页的网址，必要时先在登录菜单里登录</source>
        <translation>No products were found. Please check that the address is a 1688 shop or product page; log in from the Login menu first if needed</translation>
    </message>
    <message>
        <source>没有获取到宝贝，请确认输入的是淘宝(天猫)店铺、搜索页或宝贝页的网址，必要时先在登录菜单里登录</source>
        <translation>No products were found. Please check that the address is a Taobao (Tmall) shop, search or product page; log in from the Login menu first if needed</translation>
    </message>
    <message>
        <source>请先在登录菜单里登录你的又拍帐号,登录时勾上下次自动登录</source>
        <translation>Please log in to your Yupoo account from the Login menu first; tick &quot;log in automatically next time&quot; when logging in</translation>
    </message>
    <message>
        <source>没有获取到相册，如果你输入的网址正确，可能是因为被杀毒软件阻止了<byte value="xd"/>
<byte value="xd"/>
请按以下步骤操作<byte value="xd"/>
<byte value="xd"/>
1、将下载器添加到杀毒软件信任列表里<byte value="xd"/>
2、重新打开下载器</source>
        <translation>No albums were found. If the address you entered is right, your antivirus software may have blocked the program

Please try these steps

1. Add the program to your antivirus software&apos;s trusted list
2. Open the program again</translation>
    </message>
</context>
<context>
    <name>phodex::UserPrompt</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
</TS>
