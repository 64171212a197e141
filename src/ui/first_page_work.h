// The first page made on a worker thread while the window's controls are
// built: the data read and composed, the boxes laid out, page 1 drawn on a
// picture of its own. The show step takes the result over at the place
// where it would have made it itself, so the order in which its messages
// and the page reach the window stays the same; when the result does not
// fit the window as shown (another resolution, another setting) or the
// work stopped on an error, the show step does the work itself as before.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/preview_image.h"
#include "platform/text_measurer.h"
#include "ui/main_state.h"

namespace mirelo {

class FirstPageWork {
 public:
  using MeasurerMaker = std::function<std::unique_ptr<TextMeasurer>()>;
  using PictureMaker =
      std::function<std::unique_ptr<PreviewImage>(int width, int height, int dotsPerInch)>;

  // What the worker made; owned by the caller once taken.
  struct Result {
    MainState state;                        // composed, laid out and counted
    std::unique_ptr<PreviewImage> picture;  // page 1 at dotsPerInch
    int dotsPerInch = 0;
    std::string overviewError;  // a kept overview that could not be read
    std::exception_ptr error;   // the work stopped here; nothing else counts
  };

  // state as the create step makes it from the settings; the makers are
  // called on the worker and must make objects usable there and, once the
  // worker has ended, on the thread that takes the result.
  FirstPageWork(MainState state, int dotsPerInch, MeasurerMaker makeMeasurer,
                PictureMaker makePicture);
  ~FirstPageWork();  // waits for the worker
  FirstPageWork(const FirstPageWork&) = delete;
  FirstPageWork& operator=(const FirstPageWork&) = delete;

  // Waits for the worker and hands its result over; once.
  Result Take();

 private:
  void Run(MeasurerMaker makeMeasurer, PictureMaker makePicture);

  Result result_;  // the worker's alone until it has ended
  std::thread worker_;
};

}  // namespace mirelo
