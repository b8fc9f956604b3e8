#include "view/picture.h"

#include "job/job.h"
#include "ui/ui.h"
#include "view/draw_job.h"
#include "view/emf_canvas.h"
#include "view/trwindow.h"

namespace quill {

void DrawPicture(Job& job, Canvas& canvas) {
  Trwindow view;
  view.Attach(canvas);
  view.SetPrintMode(true);
  CanvasRect c = canvas.ClipBox();
  view.SetAspect(c.right - c.left, c.bottom - c.top);
  const ViewState& v = job.view;
  view.Set3D(v.View3D, v.EyeX, v.EyeY, v.EyeZ);
  view.SetWindow(v.ViewWindow.Xmin, v.ViewWindow.Ymin, v.ViewWindow.Xmax, v.ViewWindow.Ymax);
  view.MapToCanvas(canvas);
  if (job.prefs.ShowAxes) view.Axes(canvas, false);
  if (job.prefs.ShowRuler) view.Ruler(canvas, false, 0, 0);
  DrawJob(job, view, canvas, false);
}

bool WriteMetafile(Job& job, const std::string& path, int width, int height) {
  BusyScope busy(job.ui);
  EmfCanvas canvas(path, width, height);
  if (canvas.IsOpen()) DrawPicture(job, canvas);
  if (canvas.IsOpen() && canvas.Close()) return true;
  job.ui.Warn("Cannot write the metafile [" + path + "]");
  return false;
}

bool CopyMetafile(Job& job, int width, int height) {
  return WriteMetafile(job, MetafileName, width, height);
}

}  // namespace quill
