#include "derivation/expression_parse.h"

#include <pthread.h>
#include <fparser.hh>

#include <cstddef>

namespace lsys {
namespace {

// Texts up to this length nest too shallowly to strain the main stack.
constexpr std::size_t kShortText = 256;
// Stack granted per character of a long text: well above what one nesting level of the
// library takes, also in the sanitizer build.
constexpr std::size_t kStackPerCharacter = 8192;
constexpr std::size_t kStackBase = 1 << 20;

struct ParseJob {
  FunctionParser* parser;
  const std::string* text;
  const std::string* names;
  int result;
};

void* runParse(void* argument) {
  auto* job = static_cast<ParseJob*>(argument);
  job->result = job->parser->Parse(*job->text, *job->names);
  return nullptr;
}

}  // namespace

int ParseExpression(FunctionParser& parser, const std::string& text, const std::string& names) {
  if (text.size() <= kShortText) return parser.Parse(text, names);
  ParseJob job{&parser, &text, &names, -1};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, kStackBase + kStackPerCharacter * text.size());
  pthread_t thread;
  const bool started = pthread_create(&thread, &attributes, runParse, &job) == 0;
  pthread_attr_destroy(&attributes);
  if (!started) return parser.Parse(text, names);
  pthread_join(thread, nullptr);
  return job.result;
}

}  // namespace lsys
