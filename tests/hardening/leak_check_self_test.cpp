// Loses one block on purpose. Run in sanitizer builds only, as the proof that
// LeakSanitizer checks the test programs of this build at exit: the test passes when it
// reports the block.
namespace {

char* volatile block_address = nullptr;

}  // namespace

int main() {
  block_address = new char[64];
  block_address = nullptr;  // the one pointer to it is gone
  return 0;
}
