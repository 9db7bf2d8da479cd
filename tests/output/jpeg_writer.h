// Small JPEG files made in the tests, and ways to spoil them.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace zefir::jpeg_test {

// A `width` x `height` picture, red on the left half and blue on the right.
inline std::string encodeJpeg(int width, int height) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  for (int x = 0; x < width; ++x) {
    row[x * 3] = x < width / 2 ? 255 : 0;
    row[x * 3 + 2] = x < width / 2 ? 0 : 255;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  std::string out(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

// The frame header made to claim `width` x `height`.
inline std::string withClaimedSize(std::string jpeg, int width, int height) {
  const std::size_t sof = jpeg.find("\xFF\xC0");
  if (sof == std::string::npos) return jpeg;
  jpeg[sof + 5] = static_cast<char>(height >> 8);
  jpeg[sof + 6] = static_cast<char>(height & 0xFF);
  jpeg[sof + 7] = static_cast<char>(width >> 8);
  jpeg[sof + 8] = static_cast<char>(width & 0xFF);
  return jpeg;
}

}  // namespace zefir::jpeg_test
