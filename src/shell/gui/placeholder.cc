// The windows of the desktop program live in this folder.
namespace zefir::gui {}
