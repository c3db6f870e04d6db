#pragma once
// The writers of the central tables that the new-project wizard fills and the 一般信息 and 桥跨信息
// dialogs rewrite. Each table is recreated and filled in one transaction, so that nobody sees it half
// written; a database error is raised as dao::DaoException and the tables written before it stay written.
#include "platform/dao/database.h"
#include "projectdb/general_page.h"
#include "projectdb/span_page.h"
#include "projectdb/text_sheet.h"

namespace projectdb {

// 一般信息表 with the page's eighteen values; an empty or "NULL" name is stored as "无" (路线名称 as "K").
// The remembered values are stored as the page is read.
void WriteGeneralInformation(dao::Database& db, const GeneralPage& page);

// The span layout: the member clean-up, the five layout tables deleted (a missing one is fine), then
// 桥孔划分信息表, 上构布置信息表, 上构布置明细表, 下构布置信息表 and 伸缩缝信息表 from the page, all of it one
// transaction (an error leaves the old layout). Empty member types are stored as "无", empty numbers as 0
// and a zero skew as 90.
void WriteSpanLayout(dao::Database& db, const SpanPage& page);

// 图形布置信息表 from the drawing list: the texts, the two scales as numbers, the placement values 0.
void WriteDrawingLayout(dao::Database& db, const TextSheet& drawings);

}  // namespace projectdb
