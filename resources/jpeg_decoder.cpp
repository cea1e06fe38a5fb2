// JPEG decoding through the IJG API (libjpeg 6b and every library that keeps its
// interface). Errors leave through longjmp, so each routine that calls setjmp keeps
// nothing with a destructor of its own: the pixels live in the caller's buffers.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <limits>
#include <memory>

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

}  // namespace

// libjpeg's state for one picture. Errors leave through longjmp back into the method
// that called libjpeg, whose frame holds nothing with a destructor.
struct JpegRows::State {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  jpeg_source_mgr source{};
  bool created = false;
};

JpegRows::JpegRows(std::span<const uint8_t> jpeg) : state_(std::make_unique<State>()) {
  // libjpeg takes the size as an unsigned long; an empty span has nothing to read.
  if (jpeg.empty() || jpeg.size() > std::numeric_limits<uint32_t>::max())
    return;
  Open(jpeg);
}

void JpegRows::Open(std::span<const uint8_t> jpeg) {
  State& s = *state_;
  s.info.err = jpeg_std_error(&s.errors.base);
  s.errors.base.error_exit = LeaveOnError;
  s.errors.base.emit_message = Silent;
  s.errors.base.output_message = SilentOutput;
  if (setjmp(s.errors.jump) != 0) {
    Close();
    return;
  }
  jpeg_CreateDecompress(&s.info, JPEG_LIB_VERSION, sizeof(jpeg_decompress_struct));
  s.created = true;
  s.source.init_source = InitSource;
  s.source.fill_input_buffer = FillInput;
  s.source.skip_input_data = SkipInput;
  s.source.resync_to_restart = jpeg_resync_to_restart;
  s.source.term_source = TermSource;
  s.source.next_input_byte = jpeg.data();
  s.source.bytes_in_buffer = jpeg.size();
  s.info.src = &s.source;
  if (jpeg_read_header(&s.info, TRUE) != JPEG_HEADER_OK) {
    Close();
    return;
  }
  const int64_t pixels = static_cast<int64_t>(s.info.image_width) * s.info.image_height;
  if (s.info.image_width == 0 || s.info.image_height == 0 || pixels > kMaxPixels) {
    Close();
    return;
  }
  s.info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&s.info);
  if (s.info.output_components != 3) {
    Close();
    return;
  }
  width_ = static_cast<int32_t>(s.info.output_width);
  height_ = static_cast<int32_t>(s.info.output_height);
  ok_ = true;
}

bool JpegRows::Next(uint8_t* rgb) {
  State& s = *state_;
  if (!ok_ || s.info.output_scanline >= s.info.output_height)
    return false;
  if (setjmp(s.errors.jump) != 0) {
    Close();
    return false;
  }
  JSAMPROW row = rgb;
  jpeg_read_scanlines(&s.info, &row, 1);
  if (s.info.output_scanline == s.info.output_height)
    jpeg_finish_decompress(&s.info);
  return true;
}

void JpegRows::Close() {
  ok_ = false;
  if (state_->created)
    jpeg_destroy_decompress(&state_->info);
  state_->created = false;
}

JpegRows::~JpegRows() {
  if (state_ != nullptr)
    Close();
}

std::optional<Picture> DecodeJpeg(std::span<const uint8_t> jpeg) {
  JpegRows rows(jpeg);
  if (!rows.ok())
    return std::nullopt;
  Picture picture;
  picture.width = rows.width();
  picture.height = rows.height();
  const size_t row_bytes = static_cast<size_t>(picture.width) * 3;
  picture.rgb.resize(row_bytes * static_cast<size_t>(picture.height));
  for (int32_t y = 0; y < picture.height; ++y) {
    if (!rows.Next(&picture.rgb[row_bytes * static_cast<size_t>(y)]))
      return std::nullopt;
  }
  return picture;
}
