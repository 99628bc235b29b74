#include "config/label_table.h"

namespace kestrel {

const DefaultLabel kDefaultLabels[47] = {
    {"title", "Kestrelbook"},
    {"insert", "1 - insert new item"},
    {"select", "2 - select item"},
    {"find", "3 - find an item by entering a keyword"},
    {"delete_all", "4 - delete entire database"},
    {"exit", "x - exit Kestrelbook"},
    {"empty", "Database is empty."},
    {"thanks1", "Thank you for using Kestrelbook."},
    {"thanks2", "Enjoy your reading!"},
    {"ferror", "Cannot create or open file!"},
    {"num_records", "Total number of records: "},
    {"new_record", "New record number: "},
    {"record_exists", "A record with similar data is already in database: "},
    {"record_display", "Record display"},
    {"record_deleted1", "Record number "},
    {"record_deleted2", " deleted."},
    {"record_entry", "Enter record number from 1 to "},
    {"record_number", "Record number "},
    {"browse_next", "n - browse forward"},
    {"browse_back", "b - browse back"},
    {"next_match", "n - next match"},
    {"previous_match", "b - previous match"},
    {"select_new", "2 - select new record"},
    {"edit", "3 - edit record number "},
    {"delete_record", "4 - delete record number "},
    {"back", "x - back"},
    {"editing", "Editing record number"},
    {"enter_keyword", "Enter a keyword: "},
    {"number_matches", "Records that match your keyword: "},
    {"number_matches2", "."},
    {"and", " and "},
    {"first_match", "First one: "},
    {"no_match", "No records that match your keyword found!"},
    {"confirm_deletion", "Are you sure you want to delete the entire database?"},
    {"yes", "                         y - yes"},
    {"no", "                         n - no"},
    {"new_token1", "Character "},
    {"new_token2", "was not yet used."},
    {"enter_token", "Please enter its lower case version: "},
    {"negative_records", "Error : number of records is less then zero!"},
    {"delimiter1", "======================================"},
    {"delimiter2", "-----------------------"},
    {"delimiter3", "-------------------------"},
    {"delimiter4", "--------------------------"},
    {"delimiter5", "---------------------"},
    {"delimiter6", "================================================="},
    {"delimiter7", "===================================================="},
};

std::string_view defaultLabelText(std::string_view key) {
  for (const DefaultLabel& label : kDefaultLabels) {
    if (label.key == key) {
      return label.text;
    }
  }
  return {};
}

}  // namespace kestrel
