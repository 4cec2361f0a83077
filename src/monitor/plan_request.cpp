#include "monitor/plan_request.h"

namespace zorvqi {

PageRequest planRequest(const Plan& plan) {
  PageRequest request;
  request.url = plan.url;
  request.postSwitch = plan.post ? 1 : 0;
  request.postData = plan.postData;
  request.cookie = plan.cookie;
  request.headerText = plan.headers;
  request.gbkSwitch = plan.gbk ? 1 : 0;
  request.gzipSwitch = plan.gzip ? 1 : 0;
  request.startMarker = plan.startMarker;
  request.endMarker = plan.endMarker;
  return request;
}

}  // namespace zorvqi
