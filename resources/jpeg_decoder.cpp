// JPEG decoding through the IJG API (libjpeg 6b and every library that keeps its
// interface). Errors leave through longjmp, so the routine that calls setjmp keeps
// nothing with a destructor of its own: the pixels live in the caller's Picture.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <limits>

#include "resources/pictures.h"

extern "C" {
#include <jpeglib.h>
}

namespace {

// Bigger pictures than this are refused rather than allocated: the header alone could
// otherwise ask for gigabytes.
constexpr int64_t kMaxPixels = 16 * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

extern "C" void LeaveOnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(manager->jump, 1);
}

// Warnings (corrupt data the library could step over) are not printed; the decode
// fails instead when the data runs out, see FillInput.
extern "C" void Silent(j_common_ptr, int) {}
extern "C" void SilentOutput(j_common_ptr) {}

// A memory source written out here rather than jpeg_mem_src, which libjpeg 6b lacks.
extern "C" void InitSource(j_decompress_ptr) {}
extern "C" boolean FillInput(j_decompress_ptr info) {
  // Every byte was handed over at the start: asking for more means the data is cut
  // short, and a cut picture is not a usable picture.
  info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
  return FALSE;
}
extern "C" void SkipInput(j_decompress_ptr info, long count) {
  if (count <= 0)
    return;
  jpeg_source_mgr* source = info->src;
  if (static_cast<size_t>(count) > source->bytes_in_buffer) {
    FillInput(info);
    return;
  }
  source->next_input_byte += count;
  source->bytes_in_buffer -= static_cast<size_t>(count);
}
extern "C" void TermSource(j_decompress_ptr) {}

// Decodes into `picture`; false on any error. Only trivially destructible locals.
bool DecodeInto(std::span<const uint8_t> jpeg, Picture& picture) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  jpeg_source_mgr source{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = LeaveOnError;
  errors.base.emit_message = Silent;
  errors.base.output_message = SilentOutput;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_CreateDecompress(&info, JPEG_LIB_VERSION, sizeof(jpeg_decompress_struct));
  source.init_source = InitSource;
  source.fill_input_buffer = FillInput;
  source.skip_input_data = SkipInput;
  source.resync_to_restart = jpeg_resync_to_restart;
  source.term_source = TermSource;
  source.next_input_byte = jpeg.data();
  source.bytes_in_buffer = jpeg.size();
  info.src = &source;

  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  const int64_t pixels = static_cast<int64_t>(info.image_width) * info.image_height;
  if (info.image_width == 0 || info.image_height == 0 || pixels > kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  picture.width = static_cast<int32_t>(info.output_width);
  picture.height = static_cast<int32_t>(info.output_height);
  const size_t row_bytes = static_cast<size_t>(info.output_width) * 3;
  picture.rgb.resize(row_bytes * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.rgb.data() + row_bytes * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const uint8_t> jpeg) {
  // libjpeg takes the size as an unsigned long; an empty span has nothing to read.
  if (jpeg.empty() || jpeg.size() > std::numeric_limits<uint32_t>::max())
    return std::nullopt;
  Picture picture;
  if (!DecodeInto(jpeg, picture))
    return std::nullopt;
  return picture;
}
