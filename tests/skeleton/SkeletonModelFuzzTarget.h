#pragma once
// The skeleton file's structured fuzz target: the fuzzer's bytes drive edits of the model (bones
// added, inserted, extracted, deleted, copied, renamed and reordered; frames stored, deleted and
// swapped; sets added, renamed and deleted; poses, lengths, scaling and skin offsets), and what
// the edits built must survive the file: writing it, reading that back and writing again gives the
// same text and an equal skeleton, and a skeleton whose file would hold a line too long to read
// back is refused by Save with nothing written.

#include <cstddef>
#include <cstdint>
#include <string>

// "" when all held, else what broke. With a folder, the skeleton is saved there with Save and read
// back with Load (the files the user gets); without, the writer's and reader's text stays in memory.
std::string FuzzSkeletonModel(const uint8_t* data, size_t size, const std::string& folder = "");

// The skeleton as the file keeps it, one item a line: the tree, the draw order with skins, and
// every stored pose (numbers as the file writes them). Equal for skeletons the file cannot tell apart.
class Skeleton;
std::string DescribeAsStored(const Skeleton& skeleton);
