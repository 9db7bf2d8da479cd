#include "output/jpeg_logo.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace zefir::output {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decoder, which then gives up on the file.
struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

void jumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

void quiet(j_common_ptr) {}

// Everything with automatic storage that must survive the jump lives in the
// caller, so the longjmp skips no destructor.
bool decodeInto(const std::string& bytes, jpeg_decompress_struct& info, ErrorJump& error,
                LogoImage& image) {
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = jumpBack;
  error.manager.output_message = quiet;
  if (setjmp(error.back)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  // The size is checked before a single row is allocated.
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxLogoSide ||
      info.image_height > kMaxLogoSide)
    return false;
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3) return false;
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row =
        image.rgb.data() + static_cast<std::size_t>(info.output_scanline) * image.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  // A file cut short makes libjpeg pad with grey and warn; such a picture is
  // not the organisation's logo.
  if (error.manager.num_warnings != 0) return false;
  jpeg_finish_decompress(&info);
  return true;
}

bool readFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

bool decodeJpegLogo(std::string_view bytes, LogoImage& image) {
  const std::string copy(bytes);
  jpeg_decompress_struct info{};
  ErrorJump error{};
  image = {};
  const bool ok = decodeInto(copy, info, error, image);
  jpeg_destroy_decompress(&info);
  if (!ok) image = {};
  return ok;
}

LogoImage loadLogo(std::string_view name, std::string_view folder) {
  LogoImage image;
  if (name.empty()) return image;
  std::string bytes;
  if (readFile(std::string(name), bytes) && decodeJpegLogo(bytes, image)) return image;
  if (name.front() == '\\' || name.front() == '/' || folder.empty()) return {};
  std::string path(folder);
  if (path.back() != '/' && path.back() != '\\') path += '/';
  path += name;
  if (readFile(path, bytes) && decodeJpegLogo(bytes, image)) return image;
  return {};
}

}  // namespace zefir::output
