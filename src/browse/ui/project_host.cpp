#include "browse/ui/project_host.h"

#include "browse/ui/bri_form_view.h"

namespace browse {

CBriFormView* ProjectHost::GridViewOf(const std::string& table) const {
    for (CBriFormView* view : GridViews())
        if (view && view->TableName() == table) return view;
    return nullptr;
}

}  // namespace browse
